#include "exchange/sheet_rows.h"

#include "image/channel_record.h"
#include "image/image_check.h"
#include "image/memory_map.h"
#include "image/radio_model.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

namespace ft817 {

namespace {

SheetRow sheetRow(const ChannelRecordView& record, std::string name)
{
    SheetRow row;
    row.name = std::move(name);
    if (record.tagShown()) {
        row.tag = terminalText(record.tag(), {.source = TerminalText::Source::Latin1,
                                              .showLetters = true,
                                              .escapeQuotes = false,
                                              .escape = TerminalText::Escape::Dot});
        while (!row.tag.empty() && row.tag.back() == ' ')
            row.tag.pop_back();
    }
    row.rxMegahertz = megahertzText(record.rxFrequency());
    row.shift = record.shift();
    if (row.shift != Shift::Simplex)
        row.shiftMegahertz = megahertzText(record.txFrequency());
    row.mode = listedModeName(record.mode(), record.narrow());
    if (row.shift == Shift::Split && record.txMode() != record.mode())
        row.mode.append("/").append(modeName(record.txMode()));
    row.toneMode = record.toneMode();
    switch (row.toneMode) {
    case ToneMode::Tone:
    case ToneMode::Mute:
        row.tone = ctcssText(record.ctcssTone());
        break;
    case ToneMode::Dcs:
        row.tone = dcsText(record.dcsCode());
        break;
    case ToneMode::None:
        break;
    }
    row.skip = record.skip();
    return row;
}

} // namespace

SheetRows sheetRows(const BlockStore& store)
{
    SheetRows rows;
    if (const RadioModel* radio = radioOf(store))
        rows.model = radio->name;
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (isChannelActive(store, channel))
            rows.channels.push_back(
                sheetRow(ChannelRecordView::forChannel(store, channel), std::to_string(channel + 1)));
    for (const SpecialMemory& memory : specialMemoriesOf(store))
        if (isSpecialInUse(store, memory))
            rows.specials.push_back(sheetRow(ChannelRecordView(store, memory.where), memory.name));
    return rows;
}

} // namespace ft817
