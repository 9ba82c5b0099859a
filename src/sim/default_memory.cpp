#include "sim/default_memory.h"

#include "image/frequency_range.h"
#include "image/radio_settings.h"
#include "image/special_memories.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>

namespace ft817::sim {
namespace {

// Record byte 0 modes.
constexpr std::uint8_t LSB = 0, USB = 1, CW = 2, AM = 4, FM = 5, DIG = 6, PKT = 7;
// Record byte 0 tag flags: real radios set bit 7 alone to show the tag; the
// editor shows it only when both bits are set, so some channels carry both.
constexpr std::uint8_t TAG = 0x80, TAG_BOTH = 0xC0;
// Record byte 1: simplex, minus shift, plus shift, split.
constexpr std::uint8_t SIMPLEX = 0x04, SIMPLEX_ALT = 0x05, MINUS = 0x64, PLUS = 0xA5, SPLIT = 0xE4;

// The memory channels of the built-in memory (frequencies in 10 Hz units).
// Channel numbers are 0-based; the radio shows them one higher.
//
//   ch  what                        mode  shift or split     tone         tag
//    0  2 m calling 145.500         FM    simplex 0x04       -            "CALL 2M " (bit 7)
//    1  2 m repeater 145.725        FM    minus 600 kHz      tone 88.5    "RPT R7  " (0xC0)
//    2  70 cm repeater 438.625      FM    minus 7.6 MHz      squelch #12  -
//    3  2 m repeater 147.060        FM    plus 600 kHz       tone #18     "PLUS RPT" (bit 7)
//    4  20 m FT8 14.074             DIG   simplex            -            "FT8 20M " (bit 7)
//    5  2 m SSB calling 144.300     USB   simplex            -            "SSB CALL" (0xC0)
//    6  40 m QRP CW 7.030           CW    simplex            -            -
//    7  6 m FM 51.510               FM    simplex 0x05       -            "6M FM   " (bit 7)
//   12  20 m DX 14.195, TX 14.225   USB   split, TX USB      -            "DX SPLIT" (0xC0)
//   57  2 m DCS 145.225             FM    simplex            DCS #5       "DCS TEST" (0xC0)
//   99  10 m AM 29.000              AM    simplex            -            -
//  150  2 m APRS 144.800            PKT   simplex            -            "APRS    " (bit 7)
//  199  160 m 1.910                 LSB   simplex            -            "TOP BAND" (bit 7)
//
// Channel 20 holds a 10 m USB record but is not active (deleted on the radio).
const std::vector<DefaultChannel> kChannels = {
    {0, FM | TAG, SIMPLEX, 0, 0, 0, 0, 14550000, 0, "CALL 2M"},
    {1, FM | TAG_BOTH, MINUS, 1, 0, 8, 0, 14572500, 60000, "RPT R7"},
    {2, FM, MINUS, 2, 0, 12, 0, 43862500, 760000, ""},
    {3, FM | TAG, PLUS, 1, 0, 18, 0, 14706000, 60000, "PLUS RPT"},
    {4, DIG | TAG, SIMPLEX, 0, 0, 0, 0, 1407400, 0, "FT8 20M"},
    {5, USB | TAG_BOTH, SIMPLEX, 0, 0, 0, 0, 14430000, 0, "SSB CALL"},
    {6, CW, SIMPLEX, 0, 0, 0, 0, 703000, 0, ""},
    {7, FM | TAG, SIMPLEX_ALT, 0, 0, 0, 0, 5151000, 0, "6M FM"},
    {12, USB | TAG_BOTH, SPLIT, 0, USB, 0, 0, 1419500, 1422500, "DX SPLIT"},
    {57, FM | TAG_BOTH, SIMPLEX, 3, 0, 0, 5, 14522500, 0, "DCS TEST"},
    {99, AM, SIMPLEX, 0, 0, 0, 0, 2900000, 0, ""},
    {150, PKT | TAG, SIMPLEX, 0, 0, 0, 0, 14480000, 0, "APRS"},
    {199, LSB | TAG, SIMPLEX, 0, 0, 0, 0, 191000, 0, "TOP BAND"},
};

const DefaultChannel kDeletedChannel = {20, USB, SIMPLEX, 0, 0, 0, 0, 2820000, 0, "OLD 10M"};

// US radios keep five 60 m channels in their extra block, laid out like memory channels.
const std::uint32_t kSixtyMetreChannels[5] = {533200, 534800, 535850, 537300, 540500};

// Band records of both VFOs in the order the radio keeps them: 1.8, 3.5,
// (5 MHz on the FT-818 family only,) 7, 10, 14, 18, 21, 24, 28, 50 MHz, FM
// broadcast, AIR, 144 MHz, 430 MHz and HF general coverage.
struct BandRecord {
    std::uint32_t vfoA;
    std::uint32_t vfoB;
    std::uint8_t mode;
    bool fiveMegahertz; // the record only the FT-818 family has
};
constexpr BandRecord kBandRecords[] = {
    {184000, 191000, LSB, false},    {365000, 356000, LSB, false},    {535700, 537150, USB, true},
    {707400, 703000, LSB, false},    {1013600, 1011600, CW, false},   {1407400, 1406000, USB, false},
    {1810000, 1808600, USB, false},  {2107400, 2106000, USB, false},  {2491500, 2490600, USB, false},
    {2807400, 2806000, USB, false},  {5031300, 5009000, USB, false},  {9850000, 10000000, FM, false},
    {11810000, 12450000, AM, false}, {14550000, 14430000, FM, false}, {43350000, 43220000, FM, false},
    {1000000, 999900, AM, false},
};

// HOME HF, 50 MHz, 144 MHz, 430 MHz, QMB, PMS-L and PMS-U as the radio names them.
struct NamedRecord {
    const char* name;
    std::uint8_t mode;
    std::uint32_t frequency;
};
constexpr NamedRecord kNamedRecords[] = {
    {"HOME HF", USB, 1420000},      {"HOME 50 MHz", FM, 5100000}, {"HOME 144 MHz", FM, 14600000},
    {"HOME 430 MHz", FM, 43300000}, {"QMB", FM, 14552500},        {"PMS-L", FM, 14400000},
    {"PMS-U", FM, 14600000},
};

using Payload = std::vector<std::uint8_t>;

void putBigEndian(Payload& payload, std::size_t at, std::uint32_t value)
{
    payload[at] = static_cast<std::uint8_t>(value >> 24);
    payload[at + 1] = static_cast<std::uint8_t>(value >> 16);
    payload[at + 2] = static_cast<std::uint8_t>(value >> 8);
    payload[at + 3] = static_cast<std::uint8_t>(value);
}

// Writes a 26-byte record at BlockStore index `index` of a block whose payload
// starts at index 1 (so payload offset index - 1).
void putRecord(Payload& payload, int index, const DefaultChannel& channel)
{
    const auto at = static_cast<std::size_t>(index - 1);
    std::fill(payload.begin() + static_cast<long>(at), payload.begin() + static_cast<long>(at) + 26, 0);
    payload[at + 0] = channel.modeByte;
    // The band codes beside the frequencies, as the radio fills them.
    const int rxBand = bandCodeOf(channel.frequency).value_or(channel.shiftByte & 7);
    payload[at + 1] = static_cast<std::uint8_t>((channel.shiftByte & 0xF8) | rxBand);
    // Bytes the editor never touches, set the way a radio leaves them.
    // Byte 2: no skip, IPO or ATT; bits no one knows the meaning of set as radios leave them.
    payload[at + 2] = (channel.modeByte & 7) == FM ? 0x41 : 0x01;
    payload[at + 4] = channel.toneMode;
    if ((channel.shiftByte >> 6) == 3)
        payload[at + 5] =
            static_cast<std::uint8_t>((channel.txMode << 3) | bandCodeOf(channel.second).value_or(0));
    payload[at + 6] = channel.tone;
    payload[at + 7] = channel.dcs;
    payload[at + 9] = 0x32;
    putBigEndian(payload, at + 10, channel.frequency);
    putBigEndian(payload, at + 14, channel.second);
    const std::size_t tagLength = std::min<std::size_t>(std::strlen(channel.tag), 8);
    for (std::size_t i = 0; i < 8; ++i)
        payload[at + 18 + i] = i < tagLength ? static_cast<std::uint8_t>(channel.tag[i]) : ' ';
}

// Settings bytes the memory map does not name: a fixed, varied pattern.
void fillSettings(Payload& payload, int seed)
{
    for (std::size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<std::uint8_t>((i * 37 + static_cast<std::size_t>(seed) * 11) % 97);
}

// The band records a model has, in the order it keeps them.
std::vector<BandRecord> bandRecordsOf(const RadioModel& radio)
{
    std::vector<BandRecord> records;
    for (const BandRecord& record : kBandRecords)
        if (!record.fiveMegahertz || radio.vfoBandRecords > 15)
            records.push_back(record);
    return records;
}

// Every special memory a model has: the VFOs' band records, HOME, QMB, PMS
// and the 60 m channels, where the table of special memories puts them.
void putSpecialRecords(std::vector<Payload>& payloads, const RadioModel& radio)
{
    const std::vector<BandRecord> bands = bandRecordsOf(radio);
    int band = 0;
    int sixty = 0;
    for (const SpecialMemory& memory : specialMemories(radio)) {
        DefaultChannel record;
        record.modeByte = USB;
        if (memory.kind == SpecialKind::VfoBand) {
            const BandRecord& vfoBand = bands[static_cast<std::size_t>(band % bands.size())];
            record.modeByte = vfoBand.mode;
            record.frequency = band < static_cast<int>(bands.size()) ? vfoBand.vfoA : vfoBand.vfoB;
            ++band;
        } else if (memory.kind == SpecialKind::SixtyMetre) {
            record.frequency = kSixtyMetreChannels[sixty++];
        } else {
            for (const NamedRecord& named : kNamedRecords)
                if (memory.name == named.name) {
                    record.modeByte = named.mode;
                    record.frequency = named.frequency;
                }
        }
        putRecord(payloads.at(static_cast<std::size_t>(memory.where.block)), memory.where.index, record);
    }
}

} // namespace

const std::vector<DefaultChannel>& defaultChannels()
{
    return kChannels;
}

const DefaultChannel& defaultDeletedChannel()
{
    return kDeletedChannel;
}

std::vector<std::uint32_t> defaultBandFrequencies(Model model, int vfo)
{
    std::vector<std::uint32_t> frequencies;
    for (const BandRecord& record : bandRecordsOf(model.layout()))
        frequencies.push_back(vfo == 0 ? record.vfoA : record.vfoB);
    return frequencies;
}

const std::vector<std::pair<int, std::uint8_t>>& defaultSettingBytes()
{
    static const std::vector<std::pair<int, std::uint8_t>> bytes = {
        {3, 0xAE},  {4, 0xA6},  {7, 0x98},  {8, 0xB2},  {9, 0x76},  {10, 0x98}, {11, 0xC5}, {12, 0x19},
        {13, 0x46}, {14, 0x50}, {15, 0x23}, {16, 0xA5}, {17, 0x53}, {18, 0x4A}, {19, 0xB2}, {20, 0x3C},
        {21, 0x2D}, {22, 0x28}, {23, 0x9E}, {24, 0x14}, {25, 0x9C}, {26, 0xFF}, {27, 0x2C}, {28, 0x01},
        {29, 0xFB}, {30, 0x0A}, {31, 0xE2}, {32, 0x00}, {37, 0xCB}, {38, 0xE9}};
    return bytes;
}

Memory defaultMemory(Model model)
{
    const RadioModel& radio = model.layout();
    const std::vector<int>& lengths = radio.payloadLengths;
    std::vector<Payload> payloads;
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        payloads.emplace_back(static_cast<std::size_t>(lengths[k]), 0);
        fillSettings(payloads.back(), static_cast<int>(k));
    }

    // Block 0: two bytes that tell the model apart.
    const bool ft818 = radio.vfoBandRecords > 15; // the FT-818 family adds 5 MHz
    payloads[0] = {static_cast<std::uint8_t>(ft818 ? 0x02 : 0x01), static_cast<std::uint8_t>(model.row())};

    // Block 1: VFO select (index 1, bit 0 clear: VFO A; the other bits are the
    // radio's own) and band select (index 5: VFO A low half, VFO B high half).
    for (const auto& [index, value] : defaultSettingBytes())
        payloads[1][static_cast<std::size_t>(index - 1)] = value;
    // A setting the model does not have is off, as on the radio: only a US
    // radio's memory has its Emergency bit set.
    for (const RadioSetting& setting : radioSettings())
        if (!modelHasSetting(radio, setting))
            for (const BitLocation& bits : settingBits(setting))
                if (bits.block == 1)
                    payloads[1][static_cast<std::size_t>(bits.index - 1)] &=
                        static_cast<std::uint8_t>(~bits.mask);
    payloads[1][0] = 0x40;
    payloads[1][4] = static_cast<std::uint8_t>(kDefaultVfoABand | (kDefaultVfoBBand << 4));

    // Blocks 2..5: the VFOs' band records, all of a record's bytes the radio's.
    for (int block = 2; block <= 5; ++block)
        std::fill(payloads[static_cast<std::size_t>(block)].begin(),
                  payloads[static_cast<std::size_t>(block)].end(), 0);
    putSpecialRecords(payloads, radio);

    // Block 7: current channel, active bitmap at 2..26, 0x04 at 27, the second
    // bitmap at 28..52 (where real radios keep it), 0 at 53.
    Payload& block7 = payloads[7];
    std::fill(block7.begin(), block7.end(), 0);
    block7[0] = kDefaultCurrentChannel;
    for (const DefaultChannel& channel : kChannels) {
        const auto bit = static_cast<std::uint8_t>(1u << (channel.number % 8));
        block7[static_cast<std::size_t>(1 + channel.number / 8)] |= bit;
        block7[static_cast<std::size_t>(27 + channel.number / 8)] |= bit;
    }
    // 0x04 as real radios hold it, and PMS-L and PMS-U in use (bits 0 and 1 here and at 53).
    block7[26] = 0x07;
    block7[52] = 0x03;

    // Block 48, indices 79..85: the ID callsign "SIM817", padded with a space,
    // one code per character as the radio keeps it (0-9, A-Z, space).
    constexpr std::string_view kCallsign = "SIM817 ";
    for (std::size_t i = 0; i < kCallsign.size(); ++i)
        payloads[48][78 + i] = static_cast<std::uint8_t>(kCallsignCharacters.find(kCallsign[i]));

    // Blocks 8..47: the 200 memory channel records, five to a block.
    for (int block = 8; block <= 47; ++block)
        std::fill(payloads[static_cast<std::size_t>(block)].begin(),
                  payloads[static_cast<std::size_t>(block)].end(), 0);
    auto place = [&](const DefaultChannel& channel) {
        putRecord(payloads[static_cast<std::size_t>(8 + channel.number / 5)], 1 + 26 * (channel.number % 5),
                  channel);
    };
    for (const DefaultChannel& channel : kChannels)
        place(channel);
    place(kDeletedChannel);

    Memory memory;
    for (std::size_t k = 0; k < payloads.size(); ++k) {
        const Payload& payload = payloads[k];
        memory.image.push_back(static_cast<std::uint8_t>(k));
        memory.image.insert(memory.image.end(), payload.begin(), payload.end());
        memory.image.push_back(
            static_cast<std::uint8_t>(std::accumulate(payload.begin(), payload.end(), 0u) % 256));
        memory.blockLengths.push_back(static_cast<int>(payload.size()) + 2);
    }
    return memory;
}

} // namespace ft817::sim
