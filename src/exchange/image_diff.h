#pragma once
// What differs between two memory images, in words a radio owner checks
// before an upload: one line per memory channel, special memory (by its name:
// "HOME 144 MHz: frequency: 146.00000 → 145.50000 MHz"), VFO select, band
// select, current channel and menu setting that differ, each "what: old → new"
// (a setting by its name: "APO time: OFF → 2h"); every other
// differing byte as "block B index I: 0xAA → 0xBB", so that nothing that
// differs goes unreported. Only the bytes an image file saves are compared
// (each block's number byte and payload).

#include "image/block_store.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ft817 {

// One line per difference from `before` to `after` (no line ends), channels
// first, then the special memories (the band records' frequencies alone for
// a layout of no known model), VFO and band select, current channel,
// settings, the block
// layout and the remaining bytes; empty when both save the same bytes.
// Both stores should be ones BlockStore::load accepted.
std::vector<std::string> describeImageDifferences(const BlockStore& before, const BlockStore& after);

// The stored checksums that differ between two image files (both accepted by
// readImageLayout) where one of them does not match its block's data, as
// "block 8 stored checksum: 0x12 → 0x34 (does not match its data)". Upload
// sends fresh checksums, but such a checksum shows the file was touched or damaged.
std::vector<std::string> describeChecksumDifferences(std::span<const std::uint8_t> beforeFile,
                                                     std::span<const std::uint8_t> afterFile);

// The fields of channel n's record and its in-use flags that differ, as the
// owner sees them ("channel 13: in use: no → yes, mode: USB → LSB, ...");
// empty when the channel is the same.
std::string describeChannelDifference(const BlockStore& before, const BlockStore& after, int channel);

} // namespace ft817
