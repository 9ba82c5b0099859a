#include "image/channel_rows.h"

#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"
#include "text/text_format.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>

namespace ft817 {
namespace {

// A channel's bit in one bitmap.
bool bitmapBit(const BlockStore& store, const BitLocation& where)
{
    return (store.byte(where.index, where.block) & where.mask) != 0;
}

void setBitmapBit(BlockStore& store, const BitLocation& where, bool on)
{
    store.setBits(where.index, where.block, where.mask, on ? where.mask : 0);
}

} // namespace

std::vector<int> sortedChannels(std::vector<int> channels)
{
    std::erase_if(channels, [](int c) { return c < 0 || c >= kChannelCount; });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

void swapChannels(BlockStore& store, int first, int second)
{
    if (first == second)
        return;
    const Location a = channelLocation(first);
    const Location b = channelLocation(second);
    for (int k = 0; k < kRecordSize; ++k) {
        const std::uint8_t fromA = store.byte(a.index + k, a.block);
        store.setByte(a.index + k, a.block, store.byte(b.index + k, b.block));
        store.setByte(b.index + k, b.block, fromA);
    }
    for (auto bitOf : {activeBitLocation, secondBitLocation}) {
        const bool bitA = bitmapBit(store, bitOf(first));
        setBitmapBit(store, bitOf(first), bitmapBit(store, bitOf(second)));
        setBitmapBit(store, bitOf(second), bitA);
    }
}

void deleteChannels(BlockStore& store, const std::vector<int>& channels)
{
    for (const int channel : sortedChannels(channels))
        setChannelActive(store, channel, false);
}

Result<std::vector<int>> moveChannels(BlockStore& store, const std::vector<int>& channels, int step)
{
    std::vector<int> moving = sortedChannels(channels);
    if (moving.empty() || (step != 1 && step != -1))
        return moving;
    if (step < 0 && moving.front() == 0)
        return Error{"channel 1 is already at the top", {}};
    if (step > 0 && moving.back() == kChannelCount - 1)
        return Error{"channel 200 is already at the bottom", {}};
    // Upwards the highest channel of a run moves first into the place the
    // one above it left, downwards the lowest: so a run moves as one.
    if (step > 0)
        std::reverse(moving.begin(), moving.end());
    for (int& channel : moving) {
        swapChannels(store, channel, channel + step);
        channel += step;
    }
    return sortedChannels(moving);
}

Status insertChannel(BlockStore& store, int at)
{
    if (at < 0 || at >= kChannelCount)
        return Error{"no channel " + std::to_string(at + 1) + " to insert at", {}};
    if (isChannelActive(store, kChannelCount - 1))
        return Error{"channel 200 is in use and would be pushed out; delete it or move it first", {}};
    for (int channel = kChannelCount - 1; channel > at; --channel)
        swapChannels(store, channel, channel - 1);
    return {};
}

} // namespace ft817
