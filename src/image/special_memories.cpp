#include "image/special_memories.h"

#include "image/frequency_range.h"
#include "image/image_check.h"
#include "text/text_format.h"

#include <algorithm>

namespace ft817 {
namespace {

// The VFO bands in the order their records lie; a band is there on the
// models with at least so many band records per VFO.
// Its band code is the one real radios store beside its frequency.
struct VfoBand {
    std::string_view name;
    int onModelsWithRecords;
    int bandCode;
};

constexpr VfoBand kVfoBands[] = {
    {"1.8 MHz", 15, 0}, {"3.5 MHz", 15, 0}, {"5 MHz", 16, 0},   {"7 MHz", 15, 0},
    {"10 MHz", 15, 0},  {"14 MHz", 15, 0},  {"18 MHz", 15, 0},  {"21 MHz", 15, 0},
    {"24 MHz", 15, 0},  {"28 MHz", 15, 0},  {"50 MHz", 15, 1},  {"FM broadcast", 15, 2},
    {"AIR", 15, 3},     {"144 MHz", 15, 4}, {"430 MHz", 15, 5}, {"HF", 15, 0},
};

constexpr int kHomeBlock = 6;
constexpr int kScanLimitBlock = 48;
constexpr Location kScanLimitFlags[] = {{7, 27}, {7, 53}};

Location recordAt(int block, int place)
{
    return Location{block, 1 + kRecordSize * place};
}

void addVfo(std::vector<SpecialMemory>& specials, const RadioModel& model, Vfo vfo)
{
    int record = 0;
    for (const VfoBand& band : kVfoBands) {
        if (model.vfoBandRecords < band.onModelsWithRecords)
            continue;
        std::string name = "VFO ";
        name += vfoName(vfo);
        name += ' ';
        name += band.name;
        specials.push_back(
            {std::move(name), bandLocation(vfo, record), SpecialKind::VfoBand, 0, band.bandCode});
        ++record;
    }
}

} // namespace

std::vector<SpecialMemory> specialMemories(const RadioModel& model)
{
    std::vector<SpecialMemory> specials;
    addVfo(specials, model, Vfo::A);
    addVfo(specials, model, Vfo::B);
    const std::string_view homes[] = {"HOME HF", "HOME 50 MHz", "HOME 144 MHz", "HOME 430 MHz"};
    const int homeBands[] = {0, 1, 4, 5};
    for (int i = 0; i < 4; ++i)
        specials.push_back(
            {std::string(homes[i]), recordAt(kHomeBlock, i), SpecialKind::Home, 0, homeBands[i]});
    specials.push_back({"QMB", recordAt(kHomeBlock, 4), SpecialKind::Qmb, 0});
    specials.push_back({"PMS-L", recordAt(kScanLimitBlock, 0), SpecialKind::ScanLimit, 0x01});
    specials.push_back({"PMS-U", recordAt(kScanLimitBlock, 1), SpecialKind::ScanLimit, 0x02});
    if (model.sixtyMetreBlock > 0)
        for (int i = 0; i < 5; ++i) {
            std::string name = "M-60";
            name += std::to_string(i + 1);
            specials.push_back(
                {std::move(name), recordAt(model.sixtyMetreBlock, i), SpecialKind::SixtyMetre, 0});
        }
    return specials;
}

std::vector<SpecialMemory> specialMemoriesOf(const BlockStore& store)
{
    const RadioModel* model = radioOf(store);
    return model ? specialMemories(*model) : std::vector<SpecialMemory>{};
}

const SpecialMemory* specialNamed(const std::vector<SpecialMemory>& specials, std::string_view name)
{
    const auto found = std::find_if(specials.begin(), specials.end(),
                                    [&](const SpecialMemory& memory) { return memory.name == name; });
    return found == specials.end() ? nullptr : &*found;
}

bool fixedByLaw(const SpecialMemory& memory, RecordPart part)
{
    return memory.kind == SpecialKind::SixtyMetre && part != RecordPart::Other;
}

std::string lawFixedChange(const SpecialMemory& memory, const ChannelRecordView& before,
                           const ChannelRecordView& after)
{
    const bool changed = before.rxFrequency() != after.rxFrequency() || before.mode() != after.mode() ||
                         before.shift() != after.shift() || before.txFrequency() != after.txFrequency() ||
                         before.txMode() != after.txMode();
    if (!changed || !fixedByLaw(memory, RecordPart::RxFrequency))
        return {};
    return memory.name + ": " + std::string(kFixedByLawReason);
}

std::string bandFrequencyProblem(const SpecialMemory& memory, std::uint32_t frequency)
{
    if (memory.bandCode < 0)
        return {};
    const FrequencyRange band = bandCodeRange(memory.bandCode);
    if (frequency >= band.lowest && frequency <= band.highest)
        return {};
    return memory.name + " holds only " + std::string(bandCodeName(memory.bandCode)) + " frequencies, " +
           rangeText(band) + ", not " + megahertzText(frequency) + " MHz";
}

bool isSpecialInUse(const BlockStore& store, const SpecialMemory& memory)
{
    if (!memory.hasInUseFlag())
        return true;
    return std::all_of(std::begin(kScanLimitFlags), std::end(kScanLimitFlags), [&](const Location& flags) {
        return (store.byte(flags.index, flags.block) & memory.inUseMask) != 0;
    });
}

void setSpecialInUse(BlockStore& store, const SpecialMemory& memory, bool inUse)
{
    if (!memory.hasInUseFlag())
        return;
    for (const Location& flags : kScanLimitFlags)
        store.setBits(flags.index, flags.block, memory.inUseMask, inUse ? memory.inUseMask : 0);
}

} // namespace ft817
