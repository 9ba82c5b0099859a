#pragma once
// The radio models this tool knows, one row each: everything a model differs
// in, from the payload lengths of the blocks it sends in clone mode (which is
// how an image tells its radio) to the special memories and menu settings it
// has. Adding a model is adding a row here. A block on the wire (and in the
// image file) is its number byte, the payload and a checksum.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

struct RadioModel {
    std::string_view name;           // as an owner knows the radio ("FT-817ND (US)")
    std::string_view commandName;    // as the command line spells it ("ft817nd-us")
    std::vector<int> payloadLengths; // of blocks 0, 1, 2, ... in the order the radio sends them
    // Band records per VFO: 15, or 16 where the radio adds 5 MHz after 3.5 MHz
    // (blocks 2/3 hold VFO A's, 4/5 VFO B's, back to back).
    int vfoBandRecords = 15;
    // The block holding the five 60 m memories M-601..M-605; 0 where the
    // radio has none.
    int sixtyMetreBlock = 0;
    // The menu's Emergency (5167.5 kHz) setting exists.
    bool emergencySetting = false;
    // The usual repeater offset on 70 cm in 10 Hz units: 5 MHz in the US, 7.6 MHz elsewhere.
    std::uint32_t uhfRepeaterOffset = 760'000;
    // Block 0's two bytes (the radio's version bytes, set by its jumpers) as
    // this model's real radios hold them; {0, 0} where they are not known.
    std::array<std::uint8_t, 2> versionBytes{};

    int blockCount() const { return static_cast<int>(payloadLengths.size()); }
    // Bytes the radio sends: number byte, payload and checksum of every block.
    int cloneBytes() const;
};

// FT-817, FT-817ND, FT-817ND (US), FT-818, FT-818ND (US), in that order.
const std::vector<RadioModel>& knownRadioModels();

// The known model whose blocks have exactly these payload lengths; nullptr when none has.
const RadioModel* radioModelOf(std::span<const int> payloadLengths);

// The known models that begin with these payload lengths (all for none);
// the models a transfer that has brought these blocks so far can still be.
std::vector<const RadioModel*> radioModelsStartingWith(std::span<const int> payloadLengths);

// The known models that send every block of radio and more blocks after them
// (the US model of a radio, whose 60 m block comes last); a memory of radio
// fits them as far as it goes.
std::vector<const RadioModel*> longerModels(const RadioModel& radio);

// The known model the command line calls this; nullptr when none.
const RadioModel* radioModelNamed(std::string_view commandName);

// The repeater offset owners usually set on the band of a receive frequency
// (10 Hz units): 0.1 MHz on 10 m, 0.6 MHz on 2 m, the model's on 70 cm; 0
// elsewhere, or on 70 cm when the model is not known.
std::uint32_t usualRepeaterOffset(const RadioModel* model, std::uint32_t receive);
// The smallest memory a known model sends, in clone bytes.
int smallestCloneBytes();

// Every model's name, or its command-line name, as a list in words
// ("FT-817, FT-817ND, ... or FT-818ND (US)"; "ft817, ft817nd, ... or ft818nd-us").
std::string radioModelNames();
std::string radioModelCommandNames();

} // namespace ft817
