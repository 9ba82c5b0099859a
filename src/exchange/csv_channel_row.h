#pragma once
// One row of a CSV text as import reads it (csv_exchange.h), and its writing
// into a memory: every field through the memory edits of editing/, each
// refusal told under the row's column. Plain C++.

#include "editing/memory_edit.h"
#include "exchange/csv_file.h"
#include "image/block_store.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/special_memories.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ft817 {

// Everything a good row says about its channel.
struct CsvChannelRow {
    int channel = 0;                        // 0..199, when the row is a channel's
    const SpecialMemory* special = nullptr; // the special memory the row names instead
    std::uint32_t frequency = 0;
    Shift shift = Shift::Simplex;
    std::optional<std::uint32_t> offset;
    ToneMode toneMode = ToneMode::None;
    std::optional<int> toneNumber;
    std::optional<int> dcsNumber;
    std::optional<int> mode;
    std::string name; // Latin-1, at most 8 characters; empty clears the tag flags
    // Each of these only when the file has its column (TStep and TxMode: and a value).
    std::optional<std::string> tuningStep; // kHz as written; its group follows from the mode
    std::optional<bool> skip;
    std::optional<int> txMode;
    std::optional<bool> narrow;
    std::optional<bool> ipo;
    std::optional<bool> att;
    // From the tool's own copy: the tag text and whether it is shown, which win over Name.
    std::optional<std::string> tagText;
    std::optional<bool> tagShown;

    // The memory the row is written to.
    EditTarget target() const
    {
        return special ? EditTarget::ofSpecial(*special) : EditTarget::ofChannel(channel);
    }
};

// A tag as export writes it: trailing blanks dropped, and each byte a tag
// cannot show (a control byte) as '?', so that the CSV reads back.
std::string exportedTag(const ChannelRecordView& record);

// Why a row cannot be written over the memory as it is stored: a tone or
// code the row switches on but does not give, where the memory holds none of
// the radio's; empty when it can.
std::string storedNumberProblem(const BlockStore& store, const CsvChannelRow& row);

// Writes what the row says; a field it gives as stored is not written at
// all, so every bit of the record the row does not change stays as it was.
// A tuning step the mode's group lacks is told of in notes under line. Gives
// why the row cannot be written (the store then partly written); empty when written.
std::string writeChannelRow(BlockStore& store, const CsvChannelRow& row, int line,
                            std::vector<CsvProblem>& notes);

} // namespace ft817
