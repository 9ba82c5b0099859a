#include "editing/channel_fill.h"

#include "editing/memory_edit.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"

#include <optional>
#include <span>

namespace ft817 {
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

    // Every channel copies the first one as it was before the fill.
    const BlockStore before = store;
    const ChannelRecordView model = ChannelRecordView::forChannel(before, filling.front());
    const bool active = isChannelActive(before, filling.front());
    BlockStore filled = store;
    for (std::size_t i = 0; i < filling.size(); ++i) {
        MemoryEdit edit(filled, EditTarget::ofChannel(filling[i]));
        const auto frequency = static_cast<std::uint32_t>(start + std::uint64_t{step} * i);
        if (EditOutcome done = edit.setRxFrequency(frequency); !done)
            return Error{done.refusal, {}};
        edit.copyFields(model);
        // Filled channels are in use. Rows filled from an unused one take the
        // band's usual mode, and the fill's step where the radio has it.
        if (!active) {
            edit.setMode(usualMode(filled, frequency, filling.front() - 1));
            edit.setNarrow(false);
            if (const std::optional<int> position = stepPosition(stepGroupOf(edit.record().mode()), step))
                edit.setTuningStep(*position);
        }
        edit.setInUse(true);
    }
    store = std::move(filled);
    return {};
}

} // namespace ft817
