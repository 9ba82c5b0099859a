#include "exchange/memory_report.h"

#include "exchange/settings_text.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/image_check.h"
#include "image/memory_map.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <string_view>

namespace ft817 {

namespace {

std::string padLeft(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string padRight(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// The tag for a terminal: printable ASCII as is, Latin-1 letters as UTF-8,
// control codes as '.'.
std::string printableTag(const ChannelRecordView& record)
{
    return terminalText(record.tag(), {.source = TerminalText::Source::Latin1,
                                       .showLetters = true,
                                       .escapeQuotes = false,
                                       .escape = TerminalText::Escape::Dot});
}

std::string toneText(const ChannelRecordView& record)
{
    switch (record.toneMode()) {
    case ToneMode::Tone:
        return "tone " + std::to_string(record.ctcssTone()) + " (" + ctcssText(record.ctcssTone()) + ")";
    case ToneMode::Mute:
        return "mute " + std::to_string(record.ctcssTone()) + " (" + ctcssText(record.ctcssTone()) + ")";
    case ToneMode::Dcs:
        return "dcs " + std::to_string(record.dcsCode()) + " (" + dcsText(record.dcsCode()) + ")";
    case ToneMode::None:
        break;
    }
    return "none";
}

// A JSON string of raw single-byte characters: quotes, backslashes and
// control codes escaped, bytes 0x7F and above as \u00XX (Latin-1).
void appendJsonString(std::string& out, std::string_view text)
{
    out += "\"" +
           terminalText(text, {.source = TerminalText::Source::Latin1,
                               .showLetters = false,
                               .escapeQuotes = true,
                               .escape = TerminalText::Escape::Json}) +
           "\"";
}

// A tuning step position of a group as kHz ("12.50"), or "#N" for one the radio does not define.
std::string stepText(StepGroup group, int position)
{
    const std::string text = tuningStepText(group, position);
    if (!text.empty())
        return text;
    std::string number = "#";
    number += std::to_string(position);
    return number;
}

// Skip, IPO and ATT where they are on ("skip ipo"), then more; "-" when there is nothing.
std::string flagsText(const ChannelRecordView& record, const std::string& more = {})
{
    std::string text;
    for (const auto& [on, name] :
         {std::pair{record.skip(), "skip"}, {record.ipo(), "ipo"}, {record.att(), "att"}})
        if (on) {
            text += text.empty() ? "" : " ";
            text += name;
        }
    if (!more.empty()) {
        text += text.empty() ? "" : " ";
        text += more;
    }
    return text.empty() ? "-" : text;
}

// The columns of a channel row, so that the heading lines up with them.
// A channel's number right-aligned in 3 places; a special memory's name left-aligned in 18.
std::string rowText(const std::string& number, const std::string& rx, const std::string& mode,
                    const std::string& shift, const std::string& second, const std::string& tone,
                    const std::string& step, const std::string& flags, const std::string& tag,
                    bool named = false)
{
    std::string row = (named ? padRight(number, 18) : padLeft(number, 3)) + "  " + padLeft(rx, 11) + "  " +
                      padRight(mode, 5) + "  " + padRight(shift, 7) + "  " + padRight(second, 17) + "  " +
                      padRight(tone, 19) + "  " + padRight(step, 5) + "  " + padRight(flags, 12) + "  " + tag;
    while (!row.empty() && row.back() == ' ')
        row.pop_back();
    return row + "\n";
}

std::string bandLine(const BlockStore& store, Vfo vfo)
{
    const int selected = selectedBand(store, vfo);
    std::string line = "VFO " + vfoName(vfo) + " band: ";
    if (selected < 0)
        line += "none (band select holds 15)";
    else
        line +=
            std::to_string(selected) + " (" + megahertzText(bandFrequency(store, vfo, selected)) + " MHz)";
    // Five bands a line, numbered, the selected one marked with '*'.
    for (int i = 0; i < vfoBandCount(store); ++i) {
        if (i % 5 == 0)
            line += "\n ";
        line += padLeft(std::to_string(i), 3) + (i == selected ? "*" : ":") +
                padLeft(megahertzText(bandFrequency(store, vfo, i)), 11);
    }
    return line + "\n";
}

std::string currentChannelLine(const BlockStore& store)
{
    const int stored = currentChannelByte(store);
    std::string line = "Current channel: " + std::to_string(shownChannel(store) + 1);
    if (stored >= kChannelCount)
        line += " (the radio's byte holds " + std::to_string(stored) +
                ", no memory channel: a 60 m memory on US radios)";
    return line + "\n";
}

// What a radio would fill otherwise in the records, one line each under "Notes:".
std::string notesText(const BlockStore& store)
{
    const std::vector<std::string> notes = recordNotes(store);
    if (notes.empty())
        return {};
    std::string text = "Notes (a radio fills these otherwise; it still takes them):\n";
    for (const std::string& note : notes)
        text += "  " + note + "\n";
    return text;
}

// The memories in use the radio cannot tune, one line each under a heading;
// upload sends them only when asked to.
std::string untunedText(const BlockStore& store)
{
    const std::vector<std::string> untuned = untunedMemories(store);
    if (untuned.empty())
        return {};
    std::string text = "Frequencies the radio cannot tune (upload asks before it sends them):\n";
    for (const std::string& memory : untuned)
        text += "  " + memory + "\n";
    return text;
}

// A record as one row of the table, first the channel's number or the memory's name.
std::string recordRow(const ChannelRecordView& record, const std::string& number, bool named,
                      const std::string& more = {})
{
    // A split channel's transmit frequency, or a repeater channel's offset.
    const std::string second =
        record.shift() != Shift::Simplex
            ? padLeft(megahertzText(record.txFrequency()), 11) + "  " + std::string(modeName(record.txMode()))
            : "-";
    // The tag as the radio shows it: bit 7 of record byte 0.
    return rowText(number, megahertzText(record.rxFrequency()),
                   listedModeName(record.mode(), record.narrow()), std::string(shiftName(record.shift())),
                   second, toneText(record), stepText(stepGroupOf(record.mode()), record.tuningStep()),
                   flagsText(record, more), record.tagShown() ? "\"" + printableTag(record) + "\"" : "-",
                   named);
}

std::string channelRow(const BlockStore& store, int n)
{
    return recordRow(ChannelRecordView::forChannel(store, n), std::to_string(n + 1), false);
}

// The special memories after the channels, one row each; nothing for a layout of no known model.
std::string specialsText(const BlockStore& store)
{
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    if (specials.empty())
        return {};
    std::string text = "Special memories: " + std::to_string(specials.size()) + "\n";
    text += rowText("Memory", "RX MHz", "Mode", "Shift", "     TX MHz  Mode", "Tone", "Step", "Flags", "Tag",
                    true);
    for (const SpecialMemory& memory : specials)
        text += recordRow(ChannelRecordView(store, memory.where), memory.name, true,
                          isSpecialInUse(store, memory) ? "" : "not in use");
    return text;
}

// The fields of a record, each as ", \"key\": value".
void appendRecordJson(std::string& out, const ChannelRecordView& record)
{
    out += ", \"mode\": \"" + std::string(modeName(record.mode())) + "\"";
    out += ", \"rx\": " + std::to_string(record.rxFrequency());
    out += ", \"split\": ";
    out += record.split() ? "true" : "false";
    out += ", \"tx\": " + std::to_string(record.txFrequency());
    out += ", \"tx_mode\": \"" + std::string(modeName(record.txMode())) + "\"";
    out += ", \"tone_mode\": \"" + std::string(toneModeName(record.toneMode())) + "\"";
    out += ", \"ctcss\": " + std::to_string(record.ctcssTone());
    const std::string hertz = ctcssHertzText(record.ctcssTone());
    out += ", \"ctcss_hz\": " + (hertz.empty() ? std::string("null") : hertz);
    out += ", \"dcs\": " + std::to_string(record.dcsCode());
    const std::string code = dcsCodeText(record.dcsCode());
    out += ", \"dcs_code\": " + (code.empty() ? std::string("null") : "\"" + code + "\"");
    out += ", \"tag_on\": ";
    out += record.tagOn() ? "true" : "false";
    out += ", \"tag_shown\": ";
    out += record.tagShown() ? "true" : "false";
    out += ", \"tag\": ";
    appendJsonString(out, record.tag());
    out += ", \"shift\": \"" + std::string(shiftName(record.shift())) + "\"";
    const auto yes = [](bool on) { return std::string(on ? "true" : "false"); };
    out += ", \"narrow\": " + yes(record.narrow());
    out += ", \"skip\": " + yes(record.skip());
    out += ", \"ipo\": " + yes(record.ipo());
    out += ", \"att\": " + yes(record.att());
    const auto stepNumber = [&](StepGroup group) {
        const std::string text = tuningStepText(group, record.tuningStep(group));
        return text.empty() ? std::string("null") : text;
    };
    out += ", \"tuning_step_khz\": " + stepNumber(stepGroupOf(record.mode()));
    out += ", \"tuning_steps_khz\": {";
    for (const StepGroup group : kStepGroups) {
        out += group == StepGroup::Ssb ? "\"" : ", \"";
        out += stepGroupKey(group);
        out += "\": " + stepNumber(group);
    }
    out += "}";
    out += ", \"rx_band_code\": " + std::to_string(record.rxBandCode());
    out += ", \"tx_band_code\": " + std::to_string(record.txBandCode());
    out += ", \"record\": \"" + hexBytes(record.bytes(), "", HexLetters::Lower) + "\"";
}

void appendChannelJson(std::string& out, const BlockStore& store, int n)
{
    out += "{\"channel\": " + std::to_string(n + 1);
    out += ", \"active\": ";
    out += isChannelActive(store, n) ? "true" : "false";
    appendRecordJson(out, ChannelRecordView::forChannel(store, n));
    out += "}";
}

void appendSpecialJson(std::string& out, const BlockStore& store, const SpecialMemory& memory)
{
    out += "{\"name\": ";
    appendJsonString(out, memory.name);
    out += ", \"in_use\": ";
    out += isSpecialInUse(store, memory) ? "true" : "false";
    out += ", \"block\": " + std::to_string(memory.where.block);
    out += ", \"index\": " + std::to_string(memory.where.index);
    appendRecordJson(out, ChannelRecordView(store, memory.where));
    out += "}";
}

} // namespace

std::string memoryText(const BlockStore& store)
{
    const RadioModel* radio = radioOf(store);
    std::string text = "Image: " + std::to_string(store.blockCount()) + " blocks, " +
                       std::to_string(store.cloneImageSize()) + " bytes, " +
                       (radio ? std::string(radio->name) : std::string("unknown layout")) + "\n";
    text += "Selected VFO: " + vfoName(selectedVfo(store)) + "\n";
    text += bandLine(store, Vfo::A);
    text += bandLine(store, Vfo::B);
    text += currentChannelLine(store);

    std::string rows;
    int active = 0;
    for (int n = 0; n < kChannelCount; ++n) {
        if (isChannelActive(store, n)) {
            rows += channelRow(store, n);
            ++active;
        }
    }
    text += "Active channels: " + std::to_string(active) + "\n";
    if (active > 0) {
        text += rowText("Ch", "RX MHz", "Mode", "Shift", "     TX MHz  Mode", "Tone", "Step", "Flags", "Tag");
        text += rows;
    }
    text += specialsText(store);
    text += untunedText(store);
    text += notesText(store);
    return text;
}

std::string channelText(const BlockStore& store, int n)
{
    const auto record = ChannelRecordView::forChannel(store, n);
    const Location where = record.location();
    std::string text = "Channel " + std::to_string(n + 1) +
                       (isChannelActive(store, n) ? " (active)" : " (inactive)") + ", block " +
                       std::to_string(where.block) + " index " + std::to_string(where.index) + "\n";
    text += "  Mode:      " + std::string(modeName(record.mode())) + "\n";
    text += "  RX:        " + megahertzText(record.rxFrequency()) + " MHz (" +
            std::to_string(record.rxFrequency()) + ")\n";
    text += "  Shift:     " + std::string(shiftName(record.shift())) + "\n";
    text += "  Split:     " + std::string(record.split() ? "yes" : "no") + "\n";
    text += "  TX:        " + megahertzText(record.txFrequency()) + " MHz (" +
            std::to_string(record.txFrequency()) + ")\n";
    text += "  TX mode:   " + std::string(modeName(record.txMode())) + "\n";
    text += "  Bands:     RX " + std::to_string(record.rxBandCode()) + " (" +
            std::string(bandCodeName(record.rxBandCode())) + "), TX " + std::to_string(record.txBandCode()) +
            " (" + std::string(bandCodeName(record.txBandCode())) + ")\n";
    if (const std::string problem = record.bandCodeProblem(); !problem.empty())
        text += "  Note:      " + problem + "\n";
    if (const std::string untuned = record.untunedFrequencies();
        isChannelActive(store, n) && !untuned.empty())
        text += "  Note:      the radio cannot tune " + untuned + "; upload asks before it sends it\n";
    text += "  Tone mode: " + std::string(toneModeName(record.toneMode())) + "\n";
    text +=
        "  CTCSS:     " + std::to_string(record.ctcssTone()) + " (" + ctcssText(record.ctcssTone()) + ")\n";
    text += "  DCS:       " + std::to_string(record.dcsCode()) + " (" + dcsText(record.dcsCode()) + ")\n";
    text += "  Narrow:    " + std::string(record.narrow() ? "yes" : "no") + "\n";
    text += "  Steps:     ";
    for (const StepGroup group : kStepGroups) {
        text += group == StepGroup::Ssb ? "" : ", ";
        text += stepGroupName(group);
        text += " " + stepText(group, record.tuningStep(group));
    }
    text += " kHz\n";
    text += "  Flags:     " + flagsText(record) + "\n";
    text += "  Tag:       " + std::string(record.tagShown() ? "shown" : "not shown") + " \"" +
            printableTag(record) + "\"\n";
    text += "  Record:    " + hexBytes(record.bytes(), " ", HexLetters::Lower) + "\n";
    return text;
}

std::string memoryJson(const BlockStore& store)
{
    std::string out = "{\"blocks\": " + std::to_string(store.blockCount());
    out += ", \"image_bytes\": " + std::to_string(store.cloneImageSize());
    const RadioModel* radio = radioOf(store);
    out += ", \"radio\": " + (radio ? "\"" + std::string(radio->name) + "\"" : std::string("null"));
    out += ", \"vfo\": \"" + vfoName(selectedVfo(store)) + "\"";
    out += ",\n \"band_select\": {";
    for (Vfo vfo : {Vfo::A, Vfo::B}) {
        const int band = selectedBand(store, vfo);
        out += (vfo == Vfo::A ? "\"A\": " : ", \"B\": ") +
               (band < 0 ? std::string("null") : std::to_string(band));
    }
    out += "},\n \"bands\": {";
    for (Vfo vfo : {Vfo::A, Vfo::B}) {
        out += vfo == Vfo::A ? "\"A\": [" : ", \"B\": [";
        for (int i = 0; i < vfoBandCount(store); ++i)
            out += (i > 0 ? ", " : "") + std::to_string(bandFrequency(store, vfo, i));
        out += "]";
    }
    out += "},\n \"current_channel\": " + std::to_string(shownChannel(store) + 1);
    out += ", \"current_channel_byte\": " + std::to_string(currentChannelByte(store));
    out += ",\n \"channels\": [\n";
    for (int n = 0; n < kChannelCount; ++n) {
        out += "  ";
        appendChannelJson(out, store, n);
        out += n + 1 < kChannelCount ? ",\n" : "\n";
    }
    out += " ],\n \"specials\": [";
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    for (std::size_t i = 0; i < specials.size(); ++i) {
        out += i == 0 ? "\n  " : ",\n  ";
        appendSpecialJson(out, store, specials[i]);
    }
    out += specials.empty() ? "" : "\n ";
    out += "],\n \"notes\": [";
    const std::vector<std::string> notes = recordNotes(store);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        out += i == 0 ? "" : ", ";
        appendJsonString(out, notes[i]);
    }
    out += "],\n \"untuned\": [";
    const std::vector<std::string> untuned = untunedMemories(store);
    for (std::size_t i = 0; i < untuned.size(); ++i) {
        out += i == 0 ? "" : ", ";
        appendJsonString(out, untuned[i]);
    }
    std::string settings = settingsJson(store);
    settings.pop_back(); // its final newline
    out += "],\n \"settings\": " + settings + "}\n";
    return out;
}

std::string channelJson(const BlockStore& store, int n)
{
    std::string out;
    appendChannelJson(out, store, n);
    return out + "\n";
}

} // namespace ft817
