#pragma once
// The channel list's Fill: a run of frequencies into the selected channels,
// each channel written through the memory edits of memory_edit.h. Plain C++.

#include "image/block_store.h"
#include "platform/result.h"

#include <cstdint>
#include <vector>

namespace ft817 {

// Gives the listed channels the receive frequencies start, start + step, ...
// (10 Hz units), makes them active and copies every other field the list
// shows (mode with its narrow filter, the mode's tuning step, shift, offset
// or TX frequency, TX mode, tone mode, tone, code, skip, IPO, ATT, tag shown,
// tag text) from the first of them, and sets each record's band codes from
// its frequencies; the bits no field owns stay per record. When the first
// of them is not in use, each takes its band's usual mode instead (FM on 2 m
// and 70 cm, elsewhere the mode of the channel before the first) and the
// fill's step as its tuning step where the radio has that step.
// Refused, changing nothing, when a frequency would not fit in four bytes or
// is one the radio does not tune.
Status fillChannels(BlockStore& store, const std::vector<int>& channels, std::uint32_t start,
                    std::uint32_t step);

} // namespace ft817
