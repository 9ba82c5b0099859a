#pragma once
// The radio's memories beyond the 200 channels, each one 26-byte record laid
// out as a channel's (channel_record.h):
//   - VFO A and VFO B: one record per band (blocks 2/3 and 4/5), 15 bands, or
//     16 where the model adds 5 MHz after 3.5 MHz;
//   - HOME HF, HOME 50 MHz, HOME 144 MHz, HOME 430 MHz and QMB (block 6,
//     indices 1, 27, 53, 79, 105);
//   - PMS-L and PMS-U, the programmable scan limits (block 48, indices 1 and
//     27), in use only when both their bits are set: bit 0 (PMS-L) or bit 1
//     (PMS-U) of block 7 index 27 and index 53;
//   - on US models M-601..M-605, the 60 m channels (the model's 60 m block,
//     indices 1, 27, 53, 79, 105), whose frequencies and mode US law fixes.
// The other memories have no flag: they always exist.

#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/memory_map.h"
#include "image/radio_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

enum class SpecialKind { VfoBand, Home, Qmb, ScanLimit, SixtyMetre };

struct SpecialMemory {
    std::string
        name;       // as the radio's owners call it: "VFO A 1.8 MHz", "HOME 144 MHz", "QMB", "PMS-L", "M-601"
    Location where; // byte 0 of its record
    SpecialKind kind = SpecialKind::VfoBand;
    // For PMS-L and PMS-U: the bit of block 7 index 27 and index 53 that marks it in use.
    std::uint8_t inUseMask = 0;
    // For a VFO band record or a HOME memory: the band code of the band it
    // belongs to (frequency_range.h), whose frequencies alone it holds; -1 for the others.
    int bandCode = -1;

    // True when the memory has an in-use flag (PMS-L, PMS-U).
    bool hasInUseFlag() const { return inUseMask != 0; }
    // True when its frequencies and mode are the law's, not the owner's (the
    // 60 m channels); which parts exactly, fixedByLaw(memory, part) says.
    bool fixedByLaw() const { return kind == SpecialKind::SixtyMetre; }
};

// Why a 60 m channel's frequencies and mode cannot be changed, for a tooltip or a refusal.
inline constexpr std::string_view kFixedByLawReason =
    "US law fixes the 60 m channels' frequencies and mode: they stay as the radio holds them";

// The parts of a record a person or a file may ask to change that the
// memories law fixes keep: a 60 m channel's frequencies, shift and modes.
enum class RecordPart { RxFrequency, Mode, Shift, TxFrequency, TxMode, Other };

// True when US law fixes this part of the memory's record (a 60 m channel's
// frequencies, shift, mode and transmit mode), so no writer may change it.
bool fixedByLaw(const SpecialMemory& memory, RecordPart part);

// Why the memory's record cannot become `after` (it was `before`): it would
// change a part law fixes; empty when it can.
std::string lawFixedChange(const SpecialMemory& memory, const ChannelRecordView& before,
                           const ChannelRecordView& after);

// Why the memory cannot hold this receive frequency: a VFO band record or a
// HOME memory holds only frequencies of its band ("VFO A 7 MHz holds only HF
// frequencies, 0.1-33 MHz, not 145.00000 MHz"); empty when it can.
std::string bandFrequencyProblem(const SpecialMemory& memory, std::uint32_t frequency);

// The special memories of a model in this order: VFO A's bands, VFO B's
// bands, HOME HF, HOME 50 MHz, HOME 144 MHz, HOME 430 MHz, QMB, PMS-L, PMS-U,
// then M-601..M-605 where the model has them.
std::vector<SpecialMemory> specialMemories(const RadioModel& model);
// Those of the model whose layout a loaded image has; none for an unknown layout.
std::vector<SpecialMemory> specialMemoriesOf(const BlockStore& store);
// The one of these with this name (letters as the list gives them); nullptr when none.
const SpecialMemory* specialNamed(const std::vector<SpecialMemory>& specials, std::string_view name);

// In use: PMS-L and PMS-U when both their bits are set; every other one always.
bool isSpecialInUse(const BlockStore& store, const SpecialMemory& memory);
// Sets (or clears) both in-use bits of PMS-L or PMS-U; nothing for the others.
void setSpecialInUse(BlockStore& store, const SpecialMemory& memory, bool inUse);

} // namespace ft817
