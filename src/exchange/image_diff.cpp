#include "exchange/image_diff.h"

#include "exchange/settings_text.h"

#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <algorithm>

namespace ft817 {

namespace {

constexpr const char* kArrow = " \u2192 ";

// Tag text in double quotes, bytes outside printable ASCII as \xNN.
std::string quotedTag(const std::string& tag)
{
    std::string quoted = "\"";
    quoted += terminalText(tag, {.source = TerminalText::Source::Latin1,
                                 .showLetters = false,
                                 .escapeQuotes = true,
                                 .escape = TerminalText::Escape::Hex});
    quoted += '"';
    return quoted;
}

std::string tagFlagsName(std::uint8_t modeByte)
{
    static constexpr const char* kNames[4] = {"clear", "bit 6", "bit 7", "both bits"};
    return kNames[modeByte >> 6];
}

std::string toneName(int number)
{
    const std::string hertz = ctcssHertzText(number);
    return std::to_string(number) + (hertz.empty() ? " (not in the radio's table)" : " (" + hertz + " Hz)");
}

std::string dcsName(int number)
{
    const std::string code = dcsCodeText(number);
    return std::to_string(number) + (code.empty() ? " (not in the radio's table)" : " (" + code + ")");
}

std::string bandCodeText(int code)
{
    return std::to_string(code) + " (" + std::string(bandCodeName(code)) + ")";
}

std::string narrowFlagsName(std::uint8_t flagsByte)
{
    static constexpr const char* kNames[4] = {"clear", "bit 3", "bit 4", "both bits"};
    return kNames[(flagsByte >> 3) & 3];
}

std::string stepName(StepGroup group, int position)
{
    const std::string text = tuningStepText(group, position);
    return text.empty() ? std::string("#").append(std::to_string(position)) : text;
}

std::string channelByteName(int value)
{
    return value < kChannelCount ? std::to_string(value + 1) : "byte " + std::to_string(value);
}

std::string bandSelectName(int value)
{
    return value == 15 ? std::string("15 (none)") : std::to_string(value);
}

// Which bits of each saved byte a named line already reports.
class Coverage {
public:
    explicit Coverage(int blocks) : m_masks(static_cast<std::size_t>(blocks) * kBlockColumnSize, 0) {}
    void cover(int block, int index, std::uint8_t mask)
    {
        const std::size_t at =
            static_cast<std::size_t>(block) * kBlockColumnSize + static_cast<std::size_t>(index);
        if (at < m_masks.size())
            m_masks[at] |= mask;
    }
    std::uint8_t covered(int block, int index) const
    {
        return m_masks[static_cast<std::size_t>(block) * kBlockColumnSize + static_cast<std::size_t>(index)];
    }

private:
    std::vector<std::uint8_t> m_masks;
};

// What one image holds against the other, line by line, and which bits the lines named.
struct DiffLines {
    const BlockStore& before;
    const BlockStore& after;
    Coverage coverage;
    std::vector<std::string> lines;
};

void describeChannels(DiffLines& d)
{
    const BlockStore& before = d.before;
    const BlockStore& after = d.after;
    // Channels: the whole record and both bitmap bits.
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const Location where = channelLocation(channel);
        for (int k = 0; k < kRecordSize; ++k)
            d.coverage.cover(where.block, where.index + k, 0xFF);
        for (const BitLocation bit : {activeBitLocation(channel), secondBitLocation(channel)})
            d.coverage.cover(bit.block, bit.index, bit.mask);
        std::string line = describeChannelDifference(before, after, channel);
        if (!line.empty())
            d.lines.push_back(std::move(line));
    }
}

void describeRecordFields(const ChannelRecordView& a, const ChannelRecordView& b,
                          std::vector<std::string>& parts);

// The special memories of the image's model, each by its name: every byte of
// its record and, for PMS-L and PMS-U, the in-use bits.
bool describeSpecials(DiffLines& d)
{
    const std::vector<SpecialMemory> specials = specialMemoriesOf(d.after);
    if (specials.empty() || specialMemoriesOf(d.before).size() != specials.size())
        return false;
    for (const SpecialMemory& memory : specials) {
        for (int k = 0; k < kRecordSize; ++k)
            d.coverage.cover(memory.where.block, memory.where.index + k, 0xFF);
        std::vector<std::string> parts;
        if (memory.hasInUseFlag()) {
            for (const int index : {27, 53})
                d.coverage.cover(7, index, memory.inUseMask);
            const bool was = isSpecialInUse(d.before, memory);
            const bool now = isSpecialInUse(d.after, memory);
            if (was != now)
                parts.push_back(std::string("in use: ") + (was ? "yes" : "no") + kArrow +
                                (now ? "yes" : "no"));
        }
        describeRecordFields(ChannelRecordView(d.before, memory.where),
                             ChannelRecordView(d.after, memory.where), parts);
        if (parts.empty())
            continue;
        std::string line = memory.name + ":";
        for (std::size_t i = 0; i < parts.size(); ++i)
            line += (i > 0 ? ", " : " ") + parts[i];
        d.lines.push_back(std::move(line));
    }
    return true;
}

// Band records of a layout of no known model: their receive frequencies.
void describeBands(DiffLines& d)
{
    const BlockStore& before = d.before;
    const BlockStore& after = d.after;
    // Band records: their receive frequencies.
    for (const Vfo vfo : {Vfo::A, Vfo::B}) {
        for (int band = 0; band < kBandCount; ++band) {
            const Location where = bandLocation(vfo, band);
            for (int k = record::kRxFrequency; k < record::kRxFrequency + 4; ++k)
                d.coverage.cover(where.block, where.index + k, 0xFF);
            const std::uint32_t old = bandFrequency(before, vfo, band);
            const std::uint32_t now = bandFrequency(after, vfo, band);
            if (old != now)
                d.lines.push_back("VFO " + vfoName(vfo) + " band " + std::to_string(band) + ": " +
                                  megahertzText(old) + kArrow + megahertzText(now) + " MHz");
        }
    }
}

// The VFO and band selections and the channel on show.
void describeSelections(DiffLines& d)
{
    const BlockStore& before = d.before;
    const BlockStore& after = d.after;
    d.coverage.cover(kVfoSelectByte.block, kVfoSelectByte.index, 0x01);
    if (selectedVfo(before) != selectedVfo(after))
        d.lines.push_back("VFO select: " + vfoName(selectedVfo(before)) + kArrow +
                          vfoName(selectedVfo(after)));

    d.coverage.cover(kBandSelectByte.block, kBandSelectByte.index, 0xFF);
    for (const Vfo vfo : {Vfo::A, Vfo::B})
        if (bandSelectValue(before, vfo) != bandSelectValue(after, vfo))
            d.lines.push_back("VFO " + vfoName(vfo) +
                              " band select: " + bandSelectName(bandSelectValue(before, vfo)) + kArrow +
                              bandSelectName(bandSelectValue(after, vfo)));

    d.coverage.cover(kCurrentChannelByte.block, kCurrentChannelByte.index, 0xFF);
    if (currentChannelByte(before) != currentChannelByte(after))
        d.lines.push_back("current channel: " + channelByteName(currentChannelByte(before)) + kArrow +
                          channelByteName(currentChannelByte(after)));
}

// The menu settings both images hold, by name.
void describeSettings(DiffLines& d)
{
    for (const RadioSetting* setting : settingsOfBoth(d.before, d.after)) {
        for (const BitLocation bits : settingBits(*setting))
            d.coverage.cover(bits.block, bits.index, bits.mask);
        if (std::string line = settingDifference(*setting, d.before, d.after); !line.empty())
            d.lines.push_back(std::move(line));
    }
}

// The block layout, then every byte no line before names.
void describeBlocks(DiffLines& d)
{
    const BlockStore& before = d.before;
    const BlockStore& after = d.after;
    const int commonBlocks = std::min(before.blockCount(), after.blockCount());
    if (before.blockCount() != after.blockCount())
        d.lines.push_back("blocks: " + std::to_string(before.blockCount()) + kArrow +
                          std::to_string(after.blockCount()));
    for (int block = 0; block < std::max(before.blockCount(), after.blockCount()); ++block) {
        if (!before.hasBlock(block))
            d.lines.push_back("block " + std::to_string(block) + ": added (" +
                              std::to_string(after.payloadLength(block)) + " payload bytes)");
        else if (!after.hasBlock(block))
            d.lines.push_back("block " + std::to_string(block) + ": removed (" +
                              std::to_string(before.payloadLength(block)) + " payload bytes)");
        else if (before.payloadLength(block) != after.payloadLength(block))
            d.lines.push_back("block " + std::to_string(block) +
                              " length: " + std::to_string(before.payloadLength(block)) + kArrow +
                              std::to_string(after.payloadLength(block)) + " payload bytes");
    }
    for (int block = 0; block < commonBlocks; ++block) {
        const int last = std::min(before.payloadLength(block), after.payloadLength(block));
        for (int index = 0; index <= last; ++index) {
            const std::uint8_t old = before.byte(index, block);
            const std::uint8_t now = after.byte(index, block);
            if (((old ^ now) & ~d.coverage.covered(block, index) & 0xFF) != 0)
                d.lines.push_back("block " + std::to_string(block) + " index " + std::to_string(index) +
                                  ": " + "0x" + hexByte(old) + kArrow + "0x" + hexByte(now));
        }
    }
}

void describeRecordFields(const ChannelRecordView& a, const ChannelRecordView& b,
                          std::vector<std::string>& parts)
{
    auto change = [&](const std::string& what, const std::string& old, const std::string& now) {
        parts.push_back(what + ": " + old + kArrow + now);
    };
    auto yesNo = [](bool on) { return std::string(on ? "yes" : "no"); };
    if (a.rxFrequency() != b.rxFrequency())
        change("frequency", megahertzText(a.rxFrequency()), megahertzText(b.rxFrequency()) + " MHz");
    if (a.mode() != b.mode())
        change("mode", std::string(modeName(a.mode())), std::string(modeName(b.mode())));
    if (a.shift() != b.shift())
        change("shift", std::string(shiftName(a.shift())), std::string(shiftName(b.shift())));
    else if (((a.byte(record::kFlagsByte) ^ b.byte(record::kFlagsByte)) & 0xE0) != 0)
        // Shift bits the radio reads as the same shift (110 and 000 are both simplex).
        change("byte 1", "0x" + hexByte(a.byte(record::kFlagsByte)),
               "0x" + hexByte(b.byte(record::kFlagsByte)));
    if (a.txFrequency() != b.txFrequency()) {
        const bool split = a.shift() == Shift::Split || b.shift() == Shift::Split;
        change(split ? "TX frequency" : "offset", megahertzText(a.txFrequency()),
               megahertzText(b.txFrequency()) + " MHz");
    }
    if (a.txMode() != b.txMode())
        change("TX mode", std::string(modeName(a.txMode())), std::string(modeName(b.txMode())));
    if (a.rxBandCode() != b.rxBandCode())
        change("RX band code", bandCodeText(a.rxBandCode()), bandCodeText(b.rxBandCode()));
    if (a.txBandCode() != b.txBandCode())
        change("TX band code", bandCodeText(a.txBandCode()), bandCodeText(b.txBandCode()));
    if (a.toneMode() != b.toneMode())
        change("tone mode", std::string(toneModeName(a.toneMode())), std::string(toneModeName(b.toneMode())));
    if (a.ctcssTone() != b.ctcssTone())
        change("tone", toneName(a.ctcssTone()), toneName(b.ctcssTone()));
    if (a.dcsCode() != b.dcsCode())
        change("DCS", dcsName(a.dcsCode()), dcsName(b.dcsCode()));
    if (((a.byte(record::kFlagsByte) ^ b.byte(record::kFlagsByte)) & 0x18) != 0)
        change("narrow flags", narrowFlagsName(a.byte(record::kFlagsByte)),
               narrowFlagsName(b.byte(record::kFlagsByte)));
    for (const StepGroup group : kStepGroups)
        if (a.tuningStep(group) != b.tuningStep(group))
            change(std::string(stepGroupName(group)) + " step", stepName(group, a.tuningStep(group)),
                   stepName(group, b.tuningStep(group)) + " kHz");
    if (a.skip() != b.skip())
        change("skip", yesNo(a.skip()), yesNo(b.skip()));
    if (a.ipo() != b.ipo())
        change("IPO", yesNo(a.ipo()), yesNo(b.ipo()));
    if (a.att() != b.att())
        change("ATT", yesNo(a.att()), yesNo(b.att()));
    if ((a.byte(record::kModeByte) & 0xC0) != (b.byte(record::kModeByte) & 0xC0))
        change("tag flags", tagFlagsName(a.byte(record::kModeByte)), tagFlagsName(b.byte(record::kModeByte)));
    if (a.tag() != b.tag())
        change("tag", quotedTag(a.tag()), quotedTag(b.tag()));

    // Bits of the record that no field above names.
    struct Rest {
        int byte;
        std::uint8_t mask;
    };
    static constexpr Rest kRest[] = {{0, 0x38}, {2, 0x4F}, {4, 0xFC}, {5, 0xC0},
                                     {6, 0xC0}, {7, 0x80}, {8, 0xFF}, {9, 0xFF}};
    for (const Rest& rest : kRest) {
        const std::uint8_t old = a.byte(rest.byte);
        const std::uint8_t now = b.byte(rest.byte);
        if (((old ^ now) & rest.mask) != 0)
            change("byte " + std::to_string(rest.byte), "0x" + hexByte(old), "0x" + hexByte(now));
    }
}

} // namespace

std::string describeChannelDifference(const BlockStore& before, const BlockStore& after, int channel)
{
    const ChannelRecordView a = ChannelRecordView::forChannel(before, channel);
    const ChannelRecordView b = ChannelRecordView::forChannel(after, channel);
    if (a.bytes() == b.bytes() && isChannelActive(before, channel) == isChannelActive(after, channel) &&
        isSecondBitSet(before, channel) == isSecondBitSet(after, channel))
        return {};
    std::vector<std::string> parts;
    auto change = [&](const std::string& what, const std::string& old, const std::string& now) {
        parts.push_back(what + ": " + old + kArrow + now);
    };
    auto yesNo = [](bool on) { return std::string(on ? "yes" : "no"); };
    const bool wasInUse = isChannelActive(before, channel);
    const bool nowInUse = isChannelActive(after, channel);
    if (wasInUse != nowInUse)
        change("in use", yesNo(wasInUse), yesNo(nowInUse));
    // The radio sets the second flag with the first; only one that moves on
    // its own (a file touched by hand or another tool) is worth a word.
    const bool wasSecond = isSecondBitSet(before, channel);
    const bool nowSecond = isSecondBitSet(after, channel);
    if (wasSecond != nowSecond && !(wasInUse != nowInUse && wasSecond == wasInUse && nowSecond == nowInUse))
        change("second in-use flag", yesNo(wasSecond), yesNo(nowSecond));
    describeRecordFields(a, b, parts);

    if (parts.empty())
        return {};
    std::string line = "channel " + std::to_string(channel + 1) + ": ";
    for (std::size_t i = 0; i < parts.size(); ++i)
        line += (i > 0 ? ", " : "") + parts[i];
    return line;
}

std::vector<std::string> describeImageDifferences(const BlockStore& before, const BlockStore& after)
{
    DiffLines d{before, after, Coverage(std::min(before.blockCount(), after.blockCount())), {}};
    describeChannels(d);
    if (!describeSpecials(d))
        describeBands(d);
    describeSelections(d);
    describeSettings(d);
    describeBlocks(d);
    return std::move(d.lines);
}

std::vector<std::string> describeChecksumDifferences(std::span<const std::uint8_t> beforeFile,
                                                     std::span<const std::uint8_t> afterFile)
{
    const Result<ImageLayout> before = readImageLayout(beforeFile);
    const Result<ImageLayout> after = readImageLayout(afterFile);
    if (!before || !after)
        return {};
    // The stored checksum of block k and whether it matches the block's payload.
    auto stored = [](std::span<const std::uint8_t> file, const ImageLayout& layout, int block) {
        const auto bytes = file.subspan(static_cast<std::size_t>(layout.blockStart(block)),
                                        static_cast<std::size_t>(layout.blockLength(block)));
        return "0x" + hexByte(bytes.back()) +
               (BlockStore::checksumMatches(bytes) ? "" : " (does not match its data)");
    };
    std::vector<std::string> lines;
    for (int block = 0; block <= std::min(before->lastBlock, after->lastBlock); ++block) {
        const std::string old = stored(beforeFile, *before, block);
        const std::string now = stored(afterFile, *after, block);
        // A checksum that follows its data changed with it: the data lines tell of that.
        const bool stale = old.find(' ') != std::string::npos || now.find(' ') != std::string::npos;
        if (old != now && stale)
            lines.push_back("block " + std::to_string(block) + " stored checksum: " + old + kArrow + now);
    }
    return lines;
}

} // namespace ft817
