#pragma once
// The memory a simulated radio holds when it is given no image: what a real
// radio of each model would send after some use, with a dozen memory
// channels across HF, 6 m, 2 m and 70 cm, both VFOs' band records, HOME,
// QMB and the scan limits PMS-L and PMS-U (in use) filled, the 60 m channels
// on US models, and VFO A selected. Tests compare what the tool shows with
// these tables.

#include "sim/model.h"
#include "sim/simulated_radio.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ft817::sim {

// One memory channel of the built-in memory, field by field as its 26-byte
// record holds it.
struct DefaultChannel {
    int number = 0;                // 0..199; the user sees number + 1
    std::uint8_t modeByte = 0;     // record byte 0: mode in bits 0-2, tag flags in bits 6-7
    std::uint8_t shiftByte = 0x04; // record byte 1: 0x04/0x05 simplex, 0x64 minus, 0xA5 plus, 0xE4 split;
                                   // its band code (bits 2-0) is written from the frequency
    std::uint8_t toneMode = 0;     // record byte 4: 0 none, 1 tone, 2 tone squelch, 3 DCS
    std::uint8_t txMode = 0;       // transmit mode of a split channel: record byte 5 bits 5-3, beside
                                   // the transmit frequency's band code in bits 2-0
    std::uint8_t tone = 0;         // record byte 6: CTCSS tone number (8 = 88.5 Hz)
    std::uint8_t dcs = 0;          // record byte 7: DCS code number (0 = 023)
    std::uint32_t frequency = 0;   // record bytes 10..13: receive frequency, 10 Hz units
    std::uint32_t second = 0;      // record bytes 14..17: repeater offset or TX frequency
    const char* tag = "";          // record bytes 18..25, padded with spaces
};

// The active memory channels of the built-in memory, by ascending number.
// Every model holds the same channels.
const std::vector<DefaultChannel>& defaultChannels();

// A channel whose record still holds data (deleted on the radio) but whose
// active bit is clear: a listing of active channels must not show it.
const DefaultChannel& defaultDeletedChannel();

// The radio's current memory channel (block 7, index 1).
inline constexpr int kDefaultCurrentChannel = 1;

// Band numbers selected on VFO A and VFO B (block 1, index 5).
inline constexpr int kDefaultVfoABand = 3;
inline constexpr int kDefaultVfoBBand = 13;

// Frequencies (10 Hz units) of the band records of VFO A (vfo 0) or B (vfo 1)
// of a model, in the order it keeps them (15, or 16 with 5 MHz third).
std::vector<std::uint32_t> defaultBandFrequencies(Model model, int vfo);

// (block 1 index, byte): the menu settings as an owner might have set them,
// every one at a value its menu offers; bits no setting uses are set where
// they lie beside settings. Block 1 holds them on every model.
const std::vector<std::pair<int, std::uint8_t>>& defaultSettingBytes();

} // namespace ft817::sim
