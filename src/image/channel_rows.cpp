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

namespace {

// The mode a new channel on this frequency usually has: FM on 2 m and 70 cm,
// elsewhere that of the channel before (LSB, code 0, when there is none).
int usualMode(const BlockStore& store, std::uint32_t frequency, int channelBefore)
{
    const std::optional<int> band = bandCodeOf(frequency);
    if (band == 4 || band == 5)
        return 5;
    return channelBefore >= 0 ? ChannelRecordView::forChannel(store, channelBefore).mode() : 0;
}

// The tuning step position of a mode group whose step is the fill's step
// (10 Hz units); nothing when the radio has no such step.
std::optional<int> stepPosition(StepGroup group, std::uint32_t step)
{
    const std::span<const int> steps = tuningStepsHertz(group);
    for (std::size_t k = 0; k < steps.size(); ++k)
        if (std::uint64_t{step} * 10 == static_cast<std::uint64_t>(steps[k]))
            return static_cast<int>(k);
    return std::nullopt;
}

} // namespace

Status fillChannels(BlockStore& store, const std::vector<int>& channels, std::uint32_t start,
                    std::uint32_t step)
{
    const std::vector<int> filling = sortedChannels(channels);
    if (filling.empty())
        return {};
    const std::uint64_t last = std::uint64_t{start} + std::uint64_t{step} * (filling.size() - 1);
    if (last > 0xFFFFFFFFu)
        return Error{"the last frequency would be above 42949.67295 MHz, the most a channel holds", {}};
    // Every frequency of the series must be one the radio tunes.
    for (std::size_t i = 0; i < filling.size(); ++i) {
        if (const Status tuned = checkTuned(static_cast<std::uint32_t>(start + std::uint64_t{step} * i));
            !tuned)
            return tuned;
    }

    const ChannelRecordView model = ChannelRecordView::forChannel(store, filling.front());
    const bool active = isChannelActive(store, filling.front());
    const int mode = model.mode();
    const Shift shift = model.shift();
    const std::uint32_t second = model.txFrequency();
    const int txMode = model.txMode();
    const ToneMode toneMode = model.toneMode();
    const int tone = model.ctcssTone();
    const int code = model.dcsCode();
    const bool narrow = model.narrow();
    const int tuningStep = model.tuningStep();
    const bool skip = model.skip();
    const bool ipo = model.ipo();
    const bool att = model.att();
    const bool tagShown = model.tagShown();
    const std::string tag = model.tag();

    for (std::size_t i = 0; i < filling.size(); ++i) {
        ChannelRecord record = ChannelRecord::forChannel(store, filling[i]);
        record.setRxFrequency(static_cast<std::uint32_t>(start + std::uint64_t{step} * i));
        record.setMode(mode);
        record.setShift(shift);
        record.setTxFrequency(second);
        record.setTxMode(txMode);
        record.setToneMode(toneMode);
        record.setCtcssTone(tone);
        record.setDcsCode(code);
        record.setNarrow(narrow);
        record.setTuningStep(stepGroupOf(mode), tuningStep);
        record.setSkip(skip);
        record.setIpo(ipo);
        record.setAtt(att);
        record.setTagShown(tagShown);
        record.setTag(tag);
        record.fitBandCodes();
        // Filled channels are in use. Rows filled from an unused one take the
        // band's usual mode, and the fill's step where the radio has it.
        if (!active) {
            const int usual = usualMode(store, record.rxFrequency(), filling.front() - 1);
            record.setMode(usual);
            record.setNarrow(false);
            if (const std::optional<int> position = stepPosition(stepGroupOf(usual), step))
                record.setTuningStep(stepGroupOf(usual), *position);
        }
        setChannelActive(store, filling[i], true);
    }
    return {};
}

} // namespace ft817
