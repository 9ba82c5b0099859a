#pragma once
// The channel sheet's lines, one per channel in use and one per special
// memory in use, in the columns owners keep beside the radio: channel,
// tag, receive MHz, shift with its offset (or a split channel's transmit
// MHz), mode, tone or code, skip. The words that a reader's language
// changes (shift, tone mode, skip) stay values here; the page that shows
// them words them.

#include "image/block_store.h"
#include "image/channel_names.h"

#include <string>
#include <vector>

namespace ft817 {

struct SheetRow {
    // The channel's number as the radio shows it ("1".."200"), or the special memory's name ("HOME 144 MHz").
    std::string name;
    // The tag the radio shows (UTF-8, trailing spaces dropped); empty when the radio shows the frequency.
    std::string tag;
    // Receive frequency ("145.50000").
    std::string rxMegahertz;
    Shift shift = Shift::Simplex;
    // The repeater offset ("0.60000") for minus and plus, the transmit frequency for split; empty for
    // simplex.
    std::string shiftMegahertz;
    // Mode with its narrow filter ("FM-N"); a split channel transmitting in another mode adds it ("USB/LSB").
    std::string mode;
    ToneMode toneMode = ToneMode::None;
    // The tone ("88.5 Hz") or code ("DCS 023") of the tone mode; empty for none.
    std::string tone;
    bool skip = false;
};

struct SheetRows {
    // The radio's model ("FT-817ND"), or empty for a layout of no known model.
    std::string model;
    // The channels in use, in the radio's order.
    std::vector<SheetRow> channels;
    // The special memories in use (PMS-L and PMS-U only when set), in the radio's order.
    std::vector<SheetRow> specials;
};

// The sheet's rows of a loaded image.
SheetRows sheetRows(const BlockStore& store);

} // namespace ft817
