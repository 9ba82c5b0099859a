#pragma once
// Every change a person makes to a memory channel or a special memory, from
// any window, file or command: a value, already read from its text, is
// checked against the radio's rules and written with every byte that follows
// from it, or refused with a reason the person can act on. The rules:
//   - the receive frequency, and a split channel's transmit frequency, must
//     be one the radio tunes (frequency_range.h), unless the record already
//     holds that frequency;
//   - a VFO band record or HOME memory holds only frequencies of its band;
//   - US law fixes a 60 m channel's frequencies, shift, mode and transmit mode;
//   - narrow exists for CW, CWR and FM only; tones, codes, steps and modes
//     are positions in the radio's own tables;
//   - a tag holds 8 Latin-1 characters, none of them a control character.
// What follows from a value is written with it: the band codes beside the
// frequencies, the transmit mode and band code of a channel made split.
// A refused change leaves every byte as it was. Plain C++.

#include "image/block_store.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/memory_map.h"
#include "image/special_memories.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace ft817 {

// What became of one change: written, perhaps with a notice worth telling,
// or refused with the reason.
struct EditOutcome {
    std::string refusal; // empty when the change was written
    std::string notice;  // something a written change wants the person to know
    // The refusal is the memory's own rule (its band, the law), and begins
    // with the memory's name; otherwise it is about the value given.
    bool memoryRule = false;

    bool ok() const { return refusal.empty(); }
    explicit operator bool() const { return ok(); }

    // A refusal for a value, and one by the memory's own rule.
    static EditOutcome refused(std::string reason) { return EditOutcome{std::move(reason), {}, false}; }
    static EditOutcome refusedByMemory(std::string reason)
    {
        return EditOutcome{std::move(reason), {}, true};
    }
};

// The memory a change goes to: one of the 200 channels or a special memory.
struct EditTarget {
    int channel = 0;                        // 0..199 when special is nullptr
    const SpecialMemory* special = nullptr; // must outlive the edit

    static EditTarget ofChannel(int channel) { return EditTarget{channel, nullptr}; }
    static EditTarget ofSpecial(const SpecialMemory& memory) { return EditTarget{0, &memory}; }
    // Where byte 0 of its record lies.
    Location where() const { return special ? special->where : channelLocation(channel); }
    // "channel 5", or the special memory's name.
    std::string name() const;
};

// Where a tag's text comes from: typed or read from a file, and checked; or
// copied from another record as it stands, control bytes and all.
enum class TagSource { Given, Copied };

// The changes one memory's record can take, each one field.
class MemoryEdit {
public:
    // Changes the target's record inside store; the store must outlive the edit.
    MemoryEdit(BlockStore& store, EditTarget target) : m_store(&store), m_target(target) {}

    // The record as it now stands.
    ChannelRecordView record() const { return ChannelRecordView(*m_store, m_target.where()); }

    // Receive frequency (10 Hz units) and its band code.
    EditOutcome setRxFrequency(std::uint32_t frequency);
    // Record bytes 14-17: the repeater offset of a minus or plus channel (any
    // number), a split channel's transmit frequency (one the radio tunes)
    // with its band code.
    EditOutcome setSecondFrequency(std::uint32_t value);
    // The shift as a file states it (its offset or transmit frequency given
    // apart); a channel made split gets the band code of its transmit frequency.
    EditOutcome setShift(Shift shift);
    // The shift as an owner picks it from a list: a channel made split
    // transmits in its own mode, and a repeater shift whose offset is 0 gets
    // usualOffset (10 Hz units); the notice says when it is left at 0.
    EditOutcome changeShift(Shift shift, std::uint32_t usualOffset);
    // Mode 0..7 (byte 0 bits 0-2); the narrow bits stay.
    EditOutcome setMode(int mode);
    // Narrow filter on or off; on only for a mode that has one (CW, CWR, FM).
    EditOutcome setNarrow(bool on);
    // A split channel's transmit mode 0..7.
    EditOutcome setTxMode(int mode);
    // Tuning step position among the steps of the record's mode group.
    EditOutcome setTuningStep(int position);
    EditOutcome setToneMode(ToneMode mode);
    // CTCSS tone number 0..49 and DCS code number 0..103 of the radio's tables.
    EditOutcome setCtcssTone(int number);
    EditOutcome setDcsCode(int number);
    // Tag text, Latin-1, at most 8 characters, padded with blanks.
    EditOutcome setTagText(std::string_view latin1, TagSource source = TagSource::Given);
    // Whether the radio shows the tag: bit 7 of byte 0 alone.
    EditOutcome setTagShown(bool shown);
    // Both tag flags of byte 0 set or cleared, as a file's row gives a name or none.
    EditOutcome setTagOn(bool on);
    EditOutcome setSkip(bool on);
    EditOutcome setIpo(bool on);
    EditOutcome setAtt(bool on);
    // In use: a channel's active bit, the in-use bits of PMS-L and PMS-U; the
    // other special memories are always in use.
    EditOutcome setInUse(bool inUse);
    // Every field but the receive frequency and the in-use flag as another
    // record holds it (a fill's run takes its first channel's): what a record
    // already holds is copied without the checks of a value a person gives.
    EditOutcome copyFields(const ChannelRecordView& from);
    // Both band codes set from the frequencies, as a radio keeps them.
    void fitBandCodes();

private:
    ChannelRecord writable() { return ChannelRecord(*m_store, m_target.where()); }
    // Writes a change to a part of the record; refused and undone where law fixes that part.
    template <class Change> EditOutcome lawful(RecordPart part, Change&& change);

    BlockStore* m_store = nullptr;
    EditTarget m_target;
};

// What the radio is tuned to, taken into a channel: its receive frequency
// (10 Hz units, with its band code) and mode, and the channel made active;
// every other field stays. Refused when the radio's frequency is one a
// channel cannot hold.
EditOutcome takeTunedIntoChannel(BlockStore& store, int channel, std::uint32_t frequency, int mode);

} // namespace ft817
