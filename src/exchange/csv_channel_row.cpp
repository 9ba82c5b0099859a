#include "exchange/csv_channel_row.h"

#include "exchange/csv_exchange.h"
#include "image/frequency_range.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <string_view>

namespace ft817 {
namespace {

// The memory edits of one row, each field's refusal told under its column.
class RowWriter {
public:
    RowWriter(BlockStore& store, const CsvChannelRow& row) : m_edit(store, row.target()) {}
    MemoryEdit& edit() { return m_edit; }
    ChannelRecordView record() const { return m_edit.record(); }
    // Takes one edit's outcome; the first refusal is kept, told under its column
    // unless it is the memory's own rule, which names the memory.
    void take(std::string_view column, const EditOutcome& outcome)
    {
        if (!outcome && m_problem.empty())
            m_problem = outcome.memoryRule ? outcome.refusal : std::string(column) + ": " + outcome.refusal;
    }
    const std::string& problem() const { return m_problem; }

private:
    MemoryEdit m_edit;
    std::string m_problem;
};

// The tuning step a row gives, into the step of the channel's mode group;
// a step that group does not have is told of and leaves the record's.
void writeTuningStep(RowWriter& out, const CsvChannelRow& row, int line, std::vector<CsvProblem>& notes)
{
    if (!row.tuningStep)
        return;
    const StepGroup group = stepGroupOf(out.record().mode());
    const std::optional<int> position = tuningStepNamed(group, *row.tuningStep);
    if (!position) {
        std::string steps;
        for (int p = 0; p < static_cast<int>(tuningStepsHertz(group).size()); ++p)
            steps += (p == 0 ? "" : ", ") + tuningStepText(group, p);
        const std::string kept = tuningStepText(group, out.record().tuningStep(group));
        notes.push_back({line, "TStep " + quotedField(*row.tuningStep) + " kHz is not one of the " +
                                   std::string(stepGroupName(group)) + " steps (" + steps +
                                   " kHz); the channel keeps " + (kept.empty() ? "its own" : kept)});
        return;
    }
    if (out.record().tuningStep(group) != *position)
        out.take("TStep", out.edit().setTuningStep(*position));
}

// Skip, IPO, ATT and narrow as the row gives them (narrow after the mode:
// a changed mode sets or clears both narrow bits).
void writeSettings(RowWriter& out, const CsvChannelRow& row, bool modeChanged)
{
    const ChannelRecordView record = out.record();
    if (row.narrow && (modeChanged || record.narrow() != *row.narrow))
        out.take("Narrow Y", out.edit().setNarrow(*row.narrow));
    if (row.skip && record.skip() != *row.skip)
        out.take("Skip", out.edit().setSkip(*row.skip));
    if (row.ipo && record.ipo() != *row.ipo)
        out.take("IPO", out.edit().setIpo(*row.ipo));
    if (row.att && record.att() != *row.att)
        out.take("ATT", out.edit().setAtt(*row.att));
    if (row.txMode && record.txMode() != *row.txMode)
        out.take("TxMode", out.edit().setTxMode(*row.txMode));
}

// The tag: the tool's own copy's text and shown flag, or Name, shown when given.
void writeTag(RowWriter& out, const CsvChannelRow& row)
{
    MemoryEdit& edit = out.edit();
    if (row.tagText) {
        if (exportedTag(out.record()) != *row.tagText)
            out.take(kTagTextColumn, edit.setTagText(*row.tagText));
        if (row.tagShown && out.record().tagHighBit() != *row.tagShown)
            out.take(kTagShownColumn, edit.setTagOn(*row.tagShown));
    } else if (row.name.empty()) {
        if (out.record().tagHighBit())
            out.take("Name", edit.setTagOn(false));
    } else {
        // The tag as export wrote it stays as stored, control bytes and all.
        if (exportedTag(out.record()) != row.name)
            out.take("Name", edit.setTagText(row.name));
        // A radio shows the tag on bit 7 alone; a record that already has it keeps its flags.
        if (!out.record().tagHighBit())
            out.take("Name", edit.setTagOn(true));
    }
}

} // namespace

// A tag as export writes it: trailing blanks dropped, and each byte a tag
// cannot show (a control byte) as '?', so that the CSV reads back.
std::string exportedTag(const ChannelRecordView& record)
{
    std::string name = record.tag();
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (char& c : name)
        if (hasControlCharacter(std::string_view(&c, 1)))
            c = '?';
    return name;
}

// Why a row cannot be written over the memory as it is stored: a tone or
// code the row switches on but does not give, where the memory holds none of
// the radio's; empty when it can.
std::string storedNumberProblem(const BlockStore& store, const CsvChannelRow& row)
{
    const ChannelRecordView stored(store, row.target().where());
    if ((row.toneMode == ToneMode::Tone || row.toneMode == ToneMode::Mute) && !row.toneNumber &&
        stored.ctcssTone() >= kCtcssToneCount)
        return std::string("Tone ") + (row.toneMode == ToneMode::Tone ? "Tone" : "TSQL") +
               " needs rToneFreq or cToneFreq: " + row.target().name() + " holds no tone of the radio's";
    if (row.toneMode == ToneMode::Dcs && !row.dcsNumber && stored.dcsCode() >= kDcsCodeCount)
        return "Tone DTCS needs DtcsCode: " + row.target().name() + " holds no DCS code of the radio's";
    return {};
}

// Writes what the row says through the memory edits; a field it gives as
// stored is not written at all, so every bit of the record the row does not
// change stays as it was. Gives why the row cannot be written; empty when written.
std::string writeChannelRow(BlockStore& store, const CsvChannelRow& row, int line,
                            std::vector<CsvProblem>& notes)
{
    RowWriter out(store, row);
    MemoryEdit& edit = out.edit();
    out.take("Frequency", edit.setRxFrequency(row.frequency));

    // A channel the row makes split transmits in the row's mode.
    if (row.shift == Shift::Split && out.record().shift() != Shift::Split)
        out.take("Mode", edit.setTxMode(row.mode.value_or(out.record().mode())));
    if (out.record().shift() != row.shift)
        out.take("Duplex", edit.setShift(row.shift));
    // For a split channel Offset is the frequency the radio transmits on.
    if (row.offset && out.record().txFrequency() != *row.offset)
        out.take(row.shift == Shift::Split ? "Offset (the split TX frequency)" : "Offset",
                 edit.setSecondFrequency(*row.offset));
    // A simplex row over an erased record (0xFF bytes): no transmit frequency
    // the radio cannot tune stays behind; 0, as radios write it, stays.
    if (!row.offset && out.record().txFrequency() != 0 && !checkTuned(out.record().txFrequency()))
        out.take("Offset", edit.setSecondFrequency(row.frequency));

    if (out.record().toneMode() != row.toneMode)
        out.take("Tone", edit.setToneMode(row.toneMode));
    if (row.toneNumber && out.record().ctcssTone() != *row.toneNumber)
        out.take("rToneFreq", edit.setCtcssTone(*row.toneNumber));
    if (row.dcsNumber && out.record().dcsCode() != *row.dcsNumber)
        out.take("DtcsCode", edit.setDcsCode(*row.dcsNumber));
    const bool modeChanged = row.mode && out.record().mode() != *row.mode;
    if (modeChanged)
        out.take("Mode", edit.setMode(*row.mode));
    writeSettings(out, row, modeChanged);
    writeTuningStep(out, row, line, notes);
    writeTag(out, row);

    // The band codes follow the frequencies, as a radio keeps them.
    edit.fitBandCodes();
    out.take("Location", edit.setInUse(true));
    return out.problem();
}

} // namespace ft817
