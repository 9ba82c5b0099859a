#pragma once
// Which radio an image comes from: the five memory layouts real radios send in
// clone mode, told apart by the payload lengths of their blocks. A block on the
// wire (and in the image file) is its number byte, the payload and a checksum.

#include <span>
#include <string_view>
#include <vector>

namespace ft817 {

struct RadioLayout {
    std::string_view name;           // as an owner knows the radio ("FT-817ND (US)")
    std::vector<int> payloadLengths; // of blocks 0, 1, 2, ... in the order the radio sends them

    int blockCount() const { return static_cast<int>(payloadLengths.size()); }
    // Bytes the radio sends: number byte, payload and checksum of every block.
    int cloneBytes() const;
};

// FT-817, FT-817ND, FT-817ND (US), FT-818, FT-818ND (US), in that order.
const std::vector<RadioLayout>& knownRadioLayouts();

// The known layout whose blocks have exactly these payload lengths; nullptr when none has.
const RadioLayout* radioLayoutOf(std::span<const int> payloadLengths);

// The known layouts that begin with these payload lengths (all five for none);
// the layouts a transfer that has brought these blocks so far can still be.
std::vector<const RadioLayout*> radioLayoutsStartingWith(std::span<const int> payloadLengths);

} // namespace ft817
