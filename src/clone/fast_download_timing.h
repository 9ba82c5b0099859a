#pragma once
// The waits of a fast download. The radio sends one of the known memory
// layouts, so once the blocks received so far have narrowed down which ones
// it can still be, the length of the block on the line is known:
//
//   - a block whose checksum matches its payload, whose number byte is its
//     place in the transfer and whose length is the one every still possible
//     layout gives it is whole: it is acknowledged at once;
//   - where the possible layouts disagree on the block's length (the last
//     blocks) or the block has outgrown them all, a matching checksum and
//     40 ms of silence end it (longer than a USB serial adapter holds bytes
//     back, up to 16 ms);
//   - everything else, and every block once the transfer has left the known
//     layouts, waits for the standard quarter second of silence;
//   - after the last block of a still possible layout the transfer ends after
//     ten times the longest pause the radio has made between an
//     acknowledgement and its next block, at least 0.3 s (0.5 s where a
//     longer layout can still follow) and at most the standard 2 s;
//     everywhere else the standard 2 s apply.

#include "image/radio_model.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ft817 {

class FastDownloadTiming {
public:
    // Silence needed before the block received so far (number byte, payload,
    // checksum, as far as they have come) counts as ended; 0 when it is whole.
    double quietTime(std::span<const std::uint8_t> block) const;
    // True when a still possible layout makes the block whole within a few
    // bytes of this length: the download then answers the last of them at once.
    bool blockEndNear(int length) const;
    // Records a block the download has acknowledged, by its length on the line.
    void blockEnded(int length);
    // Records how long the radio took from an acknowledgement to its next block.
    void gapSeen(double seconds);
    // How long to wait after an acknowledgement for the next block before the
    // transfer is over.
    double nextBlockTime() const;
    // True while the blocks so far are the start of a known layout.
    bool onKnownLayout() const { return !m_possible.empty(); }

private:
    std::vector<int> m_payloadLengths;
    std::vector<const RadioModel*> m_possible = radioModelsStartingWith({});
    double m_longestGap = 0.0;
};

} // namespace ft817
