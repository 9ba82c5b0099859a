#pragma once
// Printable views of a loaded memory image, for the `show` command: a text
// table for people and a JSON object for programs. Both read only and work on
// any store that BlockStore::load accepted.

#include "image/block_store.h"

#include <string>

namespace ft817 {

// The radio whose layout the image has ("FT-817ND", or "unknown layout"),
// VFO selection, both VFOs' bands, the current channel, one row per active
// channel, the special memories, then the memories in use whose frequency the
// radio cannot tune and the records a radio would fill otherwise.
std::string memoryText(const BlockStore& store);
// The full report of one channel n (0..199), active or not.
std::string channelText(const BlockStore& store, int channel);
// The whole memory as one JSON object (see show command help), with a final newline.
std::string memoryJson(const BlockStore& store);
// One channel n (0..199) as a JSON object, with a final newline.
std::string channelJson(const BlockStore& store, int channel);

} // namespace ft817
