#include "image/channel_record.h"

#include "image/frequency_range.h"
#include "text/text_format.h"

namespace ft817 {

std::array<std::uint8_t, kRecordSize> ChannelRecordView::bytes() const
{
    std::array<std::uint8_t, kRecordSize> all{};
    for (int k = 0; k < kRecordSize; ++k)
        all[static_cast<std::size_t>(k)] = byte(k);
    return all;
}

std::string ChannelRecordView::tag() const
{
    std::string text;
    text.reserve(record::kTagLength);
    for (int k = 0; k < record::kTagLength; ++k)
        text.push_back(static_cast<char>(byte(record::kTag + k)));
    return text;
}

std::uint32_t ChannelRecordView::frequencyAt(int k) const
{
    return decodeFrequency(byte(k), byte(k + 1), byte(k + 2), byte(k + 3));
}

namespace {

std::string bandCodeMismatch(const char* which, int code, std::uint32_t frequency)
{
    std::string text = which;
    text += " band code " + std::to_string(code) + " (" + std::string(bandCodeName(code)) + ") where ";
    text += megahertzText(frequency) + " MHz is band ";
    const int fitting = bandCodeOf(frequency).value_or(0);
    text += std::to_string(fitting) + " (" + std::string(bandCodeName(fitting)) + ")";
    return text;
}

} // namespace

namespace {

// Where a group's step sits in byte 3: its lowest bit and its mask.
struct StepBits {
    int shift;
    std::uint8_t mask;
};

constexpr StepBits stepBits(StepGroup group)
{
    switch (group) {
    case StepGroup::Am:
        return {3, 0x38};
    case StepGroup::Fm:
        return {0, 0x07};
    case StepGroup::Ssb:
        break;
    }
    return {6, 0xC0};
}

} // namespace

bool ChannelRecordView::narrow() const
{
    const int m = mode();
    if (m == 5)
        return (byte(record::kFlagsByte) & 0x08) != 0;
    return hasNarrow(m) && (byte(record::kFlagsByte) & 0x10) != 0;
}

int ChannelRecordView::tuningStep(StepGroup group) const
{
    const StepBits bits = stepBits(group);
    return (byte(record::kStepByte) & bits.mask) >> bits.shift;
}

void ChannelRecord::setTuningStep(StepGroup group, int position)
{
    const StepBits bits = stepBits(group);
    const std::uint8_t b3 = byte(record::kStepByte);
    setByte(record::kStepByte,
            static_cast<std::uint8_t>((b3 & ~bits.mask) | ((position << bits.shift) & bits.mask)));
}

std::string ChannelRecordView::bandCodeProblem() const
{
    std::string problem;
    if (!bandCodeFits(rxBandCode(), rxFrequency()))
        problem = bandCodeMismatch("RX", rxBandCode(), rxFrequency());
    if (shift() == Shift::Split && !bandCodeFits(txBandCode(), txFrequency())) {
        if (!problem.empty())
            problem += ", ";
        problem += bandCodeMismatch("TX", txBandCode(), txFrequency());
    }
    return problem;
}

std::string ChannelRecordView::untunedFrequencies() const
{
    std::string untuned;
    if (!radioTunes(rxFrequency()))
        untuned = megahertzText(rxFrequency()) + " MHz";
    if (shift() == Shift::Split && !radioTunes(txFrequency()))
        untuned += (untuned.empty() ? "TX " : ", TX ") + megahertzText(txFrequency()) + " MHz";
    return untuned;
}

void ChannelRecord::fitRxBandCode()
{
    const std::optional<int> code = bandCodeOf(rxFrequency());
    if (code && !bandCodeFits(rxBandCode(), rxFrequency()))
        setByte(record::kFlagsByte, encodeBandCode(byte(record::kFlagsByte), *code));
}

void ChannelRecord::fitTxBandCode()
{
    const std::optional<int> code = bandCodeOf(txFrequency());
    if (shift() == Shift::Split && code && !bandCodeFits(txBandCode(), txFrequency()))
        setByte(record::kTxModeByte, encodeBandCode(byte(record::kTxModeByte), *code));
}

bool ChannelRecord::changeShift(Shift to, std::uint32_t usualOffset)
{
    if (to == Shift::Split && shift() != Shift::Split)
        setTxMode(mode());
    setShift(to);
    fitTxBandCode();
    if ((to != Shift::Minus && to != Shift::Plus) || txFrequency() != 0)
        return true;
    if (usualOffset == 0)
        return false;
    setTxFrequency(usualOffset);
    return true;
}

void ChannelRecord::setFrequencyAt(int k, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        setByte(k + i, static_cast<std::uint8_t>(value >> (8 * (3 - i))));
}

void ChannelRecord::setTag(std::string_view text)
{
    for (int k = 0; k < record::kTagLength; ++k) {
        const auto i = static_cast<std::size_t>(k);
        setByte(record::kTag + k, i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{' '});
    }
}

} // namespace ft817
