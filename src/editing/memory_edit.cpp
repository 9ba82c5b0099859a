#include "editing/memory_edit.h"

#include "image/frequency_range.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <utility>

namespace ft817 {
namespace {

// Why a frequency is not one the radio tunes; empty when it is.
std::string untunedReason(std::uint32_t frequency)
{
    const Status tuned = checkTuned(frequency);
    return tuned ? std::string() : tuned.error().message;
}

} // namespace

std::string EditTarget::name() const
{
    return special ? special->name : "channel " + std::to_string(channel + 1);
}

template <class Change> EditOutcome MemoryEdit::lawful(RecordPart part, Change&& change)
{
    const SpecialMemory* special = m_target.special;
    if (!special || !fixedByLaw(*special, part)) {
        ChannelRecord record = writable();
        change(record);
        return {};
    }
    // Only a 60 m channel's record gets here: the change is made, compared and undone when law forbids it.
    const BlockStore before = *m_store;
    ChannelRecord record = writable();
    change(record);
    std::string problem = lawFixedChange(*special, ChannelRecordView(before, m_target.where()),
                                         ChannelRecordView(*m_store, m_target.where()));
    if (problem.empty())
        return {};
    *m_store = before;
    return EditOutcome::refusedByMemory(std::move(problem));
}

EditOutcome MemoryEdit::setRxFrequency(std::uint32_t frequency)
{
    if (m_target.special)
        if (std::string problem = bandFrequencyProblem(*m_target.special, frequency); !problem.empty())
            return EditOutcome::refusedByMemory(std::move(problem));
    if (std::string untuned = untunedReason(frequency);
        !untuned.empty() && record().rxFrequency() != frequency)
        return EditOutcome::refused(std::move(untuned));
    return lawful(RecordPart::RxFrequency, [&](ChannelRecord& record) {
        record.setRxFrequency(frequency);
        record.fitRxBandCode();
    });
}

EditOutcome MemoryEdit::setSecondFrequency(std::uint32_t value)
{
    // A repeater offset is a difference and may be anything; a split channel transmits on it.
    if (record().shift() == Shift::Split && record().txFrequency() != value)
        if (std::string untuned = untunedReason(value); !untuned.empty())
            return EditOutcome::refused(std::move(untuned));
    return lawful(RecordPart::TxFrequency, [&](ChannelRecord& record) {
        record.setTxFrequency(value);
        record.fitTxBandCode();
    });
}

EditOutcome MemoryEdit::setShift(Shift shift)
{
    return lawful(RecordPart::Shift, [&](ChannelRecord& record) {
        record.setShift(shift);
        record.fitTxBandCode();
    });
}

EditOutcome MemoryEdit::changeShift(Shift shift, std::uint32_t usualOffset)
{
    bool offsetGiven = true;
    EditOutcome outcome = lawful(RecordPart::Shift, [&](ChannelRecord& record) {
        offsetGiven = record.changeShift(shift, usualOffset);
    });
    if (outcome && !offsetGiven)
        outcome.notice = "the offset is 0 and needs a value: there is no usual repeater offset on this band";
    return outcome;
}

EditOutcome MemoryEdit::setMode(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(kModeNames.size()))
        return EditOutcome::refused("the radio has no mode number " + std::to_string(mode));
    return lawful(RecordPart::Mode, [&](ChannelRecord& record) { record.setMode(mode); });
}

EditOutcome MemoryEdit::setNarrow(bool on)
{
    if (on && !hasNarrow(record().mode()))
        return EditOutcome::refused(std::string(modeName(record().mode())) +
                                    " has no narrow filter (CW, CWR and FM have)");
    writable().setNarrow(on);
    return {};
}

EditOutcome MemoryEdit::setTxMode(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(kModeNames.size()))
        return EditOutcome::refused("the radio has no mode number " + std::to_string(mode));
    return lawful(RecordPart::TxMode, [&](ChannelRecord& record) { record.setTxMode(mode); });
}

EditOutcome MemoryEdit::setTuningStep(int position)
{
    const StepGroup group = stepGroupOf(record().mode());
    const int steps = static_cast<int>(tuningStepsHertz(group).size());
    if (position < 0 || position >= steps) {
        std::vector<std::string> listed;
        for (int p = 0; p < steps; ++p)
            listed.push_back(tuningStepText(group, p));
        return EditOutcome::refused("the " + std::string(stepGroupName(group)) + " steps are " +
                                    orList(listed) + " kHz");
    }
    writable().setTuningStep(group, position);
    return {};
}

EditOutcome MemoryEdit::setToneMode(ToneMode mode)
{
    writable().setToneMode(mode);
    return {};
}

EditOutcome MemoryEdit::setCtcssTone(int number)
{
    if (number < 0 || number >= kCtcssToneCount)
        return EditOutcome::refused("the radio has " + std::to_string(kCtcssToneCount) +
                                    " tones (67.0 to 254.1 Hz)");
    writable().setCtcssTone(number);
    return {};
}

EditOutcome MemoryEdit::setDcsCode(int number)
{
    if (number < 0 || number >= kDcsCodeCount)
        return EditOutcome::refused("the radio has " + std::to_string(kDcsCodeCount) +
                                    " DCS codes (023 to 754)");
    writable().setDcsCode(number);
    return {};
}

EditOutcome MemoryEdit::setTagText(std::string_view latin1, TagSource source)
{
    if (latin1.size() > static_cast<std::size_t>(record::kTagLength))
        return EditOutcome::refused("a tag holds at most 8 characters");
    if (source == TagSource::Given && hasControlCharacter(latin1))
        return EditOutcome::refused("a tag cannot show control characters");
    writable().setTag(latin1);
    return {};
}

EditOutcome MemoryEdit::setTagShown(bool shown)
{
    writable().setTagShown(shown);
    return {};
}

EditOutcome MemoryEdit::setTagOn(bool on)
{
    writable().setTagOn(on);
    return {};
}

EditOutcome MemoryEdit::setSkip(bool on)
{
    writable().setSkip(on);
    return {};
}

EditOutcome MemoryEdit::setIpo(bool on)
{
    writable().setIpo(on);
    return {};
}

EditOutcome MemoryEdit::setAtt(bool on)
{
    writable().setAtt(on);
    return {};
}

EditOutcome MemoryEdit::setInUse(bool inUse)
{
    if (!m_target.special) {
        setChannelActive(*m_store, m_target.channel, inUse);
        return {};
    }
    if (!m_target.special->hasInUseFlag() && !inUse)
        return EditOutcome::refusedByMemory(m_target.special->name + " is always in use");
    setSpecialInUse(*m_store, *m_target.special, inUse);
    return {};
}

EditOutcome MemoryEdit::copyFields(const ChannelRecordView& from)
{
    const int mode = from.mode();
    const Shift shift = from.shift();
    const std::uint32_t second = from.txFrequency();
    const int txMode = from.txMode();
    return lawful(RecordPart::Mode, [&](ChannelRecord& record) {
        record.setMode(mode);
        record.setShift(shift);
        record.setTxFrequency(second);
        record.setTxMode(txMode);
        record.setToneMode(from.toneMode());
        record.setCtcssTone(from.ctcssTone());
        record.setDcsCode(from.dcsCode());
        record.setNarrow(from.narrow());
        record.setTuningStep(stepGroupOf(mode), from.tuningStep());
        record.setSkip(from.skip());
        record.setIpo(from.ipo());
        record.setAtt(from.att());
        record.setTagShown(from.tagShown());
        record.setTag(from.tag());
        record.fitBandCodes();
    });
}

void MemoryEdit::fitBandCodes()
{
    writable().fitBandCodes();
}

EditOutcome takeTunedIntoChannel(BlockStore& store, int channel, std::uint32_t frequency, int mode)
{
    BlockStore taken = store;
    MemoryEdit edit(taken, EditTarget::ofChannel(channel));
    for (EditOutcome outcome : {edit.setRxFrequency(frequency), edit.setMode(mode), edit.setInUse(true)})
        if (!outcome)
            return outcome;
    store = std::move(taken);
    return {};
}

} // namespace ft817
