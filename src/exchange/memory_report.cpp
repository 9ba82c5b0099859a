#include "exchange/memory_report.h"

#include "exchange/settings_text.h"

#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/image_check.h"
#include "image/memory_map.h"
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
        return "tone " + std::to_string(record.toneNumber()) + " (" + ctcssText(record.toneNumber()) + ")";
    case ToneMode::Mute:
        return "mute " + std::to_string(record.toneNumber()) + " (" + ctcssText(record.toneNumber()) + ")";
    case ToneMode::Dcs:
        return "dcs " + std::to_string(record.dcsNumber()) + " (" + dcsText(record.dcsNumber()) + ")";
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
    for (int i = 0; i < kBandCount; ++i) {
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

std::string channelRow(const BlockStore& store, int n)
{
    const auto record = ChannelRecordView::forChannel(store, n);
    std::string row = padLeft(std::to_string(n + 1), 3) + "  " +
                      padLeft(megahertzText(record.rxFrequency()), 11) + "  " +
                      padRight(std::string(modeName(record.mode())), 4) + "  " +
                      padRight(std::string(shiftName(record.shift())), 7) + "  ";
    if (record.split())
        row += padLeft(megahertzText(record.txFrequency()), 11) + "  " +
               padRight(std::string(modeName(record.txMode())), 4);
    else
        row += padRight("-", 11 + 2 + 4);
    row += "  " + padRight(toneText(record), 19) + "  ";
    // The tag as the radio shows it: bit 7 of record byte 0.
    row += record.tagShown() ? "\"" + printableTag(record) + "\"" : "-";
    while (!row.empty() && row.back() == ' ')
        row.pop_back();
    return row + "\n";
}

void appendChannelJson(std::string& out, const BlockStore& store, int n)
{
    const auto record = ChannelRecordView::forChannel(store, n);
    out += "{\"channel\": " + std::to_string(n + 1);
    out += ", \"active\": ";
    out += isChannelActive(store, n) ? "true" : "false";
    out += ", \"mode\": \"" + std::string(modeName(record.mode())) + "\"";
    out += ", \"rx\": " + std::to_string(record.rxFrequency());
    out += ", \"split\": ";
    out += record.split() ? "true" : "false";
    out += ", \"tx\": " + std::to_string(record.txFrequency());
    out += ", \"tx_mode\": \"" + std::string(modeName(record.txMode())) + "\"";
    out += ", \"tone_mode\": \"" + std::string(toneModeName(record.toneMode())) + "\"";
    out += ", \"ctcss\": " + std::to_string(record.toneNumber());
    const std::string hertz = ctcssHertzText(record.toneNumber());
    out += ", \"ctcss_hz\": " + (hertz.empty() ? std::string("null") : hertz);
    out += ", \"dcs\": " + std::to_string(record.dcsNumber());
    const std::string code = dcsCodeText(record.dcsNumber());
    out += ", \"dcs_code\": " + (code.empty() ? std::string("null") : "\"" + code + "\"");
    out += ", \"tag_on\": ";
    out += record.tagOn() ? "true" : "false";
    out += ", \"tag_shown\": ";
    out += record.tagShown() ? "true" : "false";
    out += ", \"tag\": ";
    appendJsonString(out, record.tag());
    out += ", \"shift\": \"" + std::string(shiftName(record.shift())) + "\"";
    out += ", \"record\": \"" + hexBytes(record.bytes(), "", HexLetters::Lower) + "\"}";
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
        text += " Ch       RX MHz  Mode  Shift             TX MHz  Mode  Tone                 Tag\n";
        text += rows;
    }
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
    text += "  Tone mode: " + std::string(toneModeName(record.toneMode())) + "\n";
    text +=
        "  CTCSS:     " + std::to_string(record.toneNumber()) + " (" + ctcssText(record.toneNumber()) + ")\n";
    text += "  DCS:       " + std::to_string(record.dcsNumber()) + " (" + dcsText(record.dcsNumber()) + ")\n";
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
        for (int i = 0; i < kBandCount; ++i)
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
    std::string settings = settingsJson(store);
    settings.pop_back(); // its final newline
    out += " ],\n \"settings\": " + settings + "}\n";
    return out;
}

std::string channelJson(const BlockStore& store, int n)
{
    std::string out;
    appendChannelJson(out, store, n);
    return out + "\n";
}

} // namespace ft817
