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

} // namespace ft817
