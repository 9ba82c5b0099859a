#pragma once
// Operations on whole memory channels, as the channel list offers them on
// its selected rows. A channel here is its 26-byte record together with its
// bits in the active and the second bitmap: moving a channel moves all of
// them, the bits no one knows the meaning of included. Nothing outside the
// records and the two bitmaps' channel bits is touched; the current-channel
// byte keeps its number.
//
// Channel numbers are 0..199 (the user sees n + 1). A list of channels may
// come in any order and with repeats; each operation takes them sorted.
// An operation that cannot be done as asked changes nothing and says why.

#include "image/block_store.h"
#include "platform/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// The distinct channels of a list, ascending, without numbers outside 0..199.
std::vector<int> sortedChannels(std::vector<int> channels);

// Swaps two channels' records and their bits in both bitmaps.
void swapChannels(BlockStore& store, int first, int second);

// Makes the channels inactive (both bitmaps); their records stay as they are.
void deleteChannels(BlockStore& store, const std::vector<int>& channels);

// Moves every listed channel one place up (towards channel 1) or down, each
// swapping with its neighbour. Refused when a channel would leave 1..200.
// Gives the channels' new numbers.
Result<std::vector<int>> moveChannels(BlockStore& store, const std::vector<int>& channels, int step);

// Opens a place at channel `at`: channels at..198 move down by one and the
// record that was channel 200, inactive, comes to `at` (nothing is lost and
// no byte is invented). Refused when channel 200 is active.
Status insertChannel(BlockStore& store, int at);

// Gives the listed channels the receive frequencies start, start + step, ...
// (10 Hz units), makes them active and copies every other field the list
// shows (mode with its narrow filter, the mode's tuning step, shift, offset
// or TX frequency, TX mode, tone mode, tone, code, skip, IPO, ATT, tag shown,
// tag text) from the first of them, and sets each record's band codes from
// its frequencies; the bits no field owns stay per record. When the first
// of them is not in use, each takes its band's usual mode instead (FM on 2 m
// and 70 cm, elsewhere the mode of the channel before the first) and the
// fill's step as its tuning step where the radio has that step.
// Refused when a frequency would not fit in four bytes.
Status fillChannels(BlockStore& store, const std::vector<int>& channels, std::uint32_t start,
                    std::uint32_t step);

} // namespace ft817
