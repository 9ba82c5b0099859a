#include "clone/fast_download_timing.h"

#include "clone/transfer_timing.h"
#include "image/block_store.h"

#include <algorithm>
#include <climits>

namespace ft817 {
namespace {

// Silence that ends a block whose length the layouts leave open, when its checksum matches.
constexpr double kShortQuietTime = 0.04;
// The end of a transfer after a layout's last block: this many times the
// radio's longest pause before a block, and at least kShortestEnd.
constexpr double kEndGapFactor = 10.0;
constexpr double kShortestEnd = 0.3;
// ... and at least this where a longer layout can still follow.
constexpr double kShortestEndBeforeMore = 0.5;
// Bytes before a block's end from which the download waits for each byte:
// about the poll interval's worth of line at 9600 baud.
constexpr int kNearBytes = 3;

} // namespace

double FastDownloadTiming::quietTime(std::span<const std::uint8_t> block) const
{
    if (m_possible.empty() || !BlockStore::checksumMatches(block))
        return kQuietTime;
    const auto number = m_payloadLengths.size();
    const int length = static_cast<int>(block.size());
    // The lengths this block has in the layouts that are still possible and
    // that it has not already outgrown.
    int shortest = INT_MAX;
    int longest = 0;
    bool listed = false;
    for (const RadioModel* layout : m_possible) {
        if (number >= layout->payloadLengths.size())
            continue;
        const int expected = layout->payloadLengths[number] + 2;
        if (expected < length)
            continue;
        shortest = std::min(shortest, expected);
        longest = std::max(longest, expected);
        listed = listed || expected == length;
    }
    // No layout has a block this long here: only silence can tell its end.
    if (longest == 0)
        return kShortQuietTime;
    if (shortest == longest && length == longest && block[0] == static_cast<std::uint8_t>(number))
        return 0.0;
    // The shorter of two lengths has come (or a wrong number byte): silence
    // tells whether the longer follows.
    if (listed)
        return kShortQuietTime;
    // A possible layout still expects more bytes.
    return kQuietTime;
}

bool FastDownloadTiming::blockEndNear(int length) const
{
    const auto number = m_payloadLengths.size();
    return std::ranges::any_of(m_possible, [&](const RadioModel* layout) {
        if (number >= layout->payloadLengths.size())
            return false;
        const int toCome = layout->payloadLengths[number] + 2 - length;
        return toCome >= 0 && toCome <= kNearBytes;
    });
}

void FastDownloadTiming::blockEnded(int length)
{
    m_payloadLengths.push_back(length - 2);
    if (!m_possible.empty())
        m_possible = radioModelsStartingWith(m_payloadLengths);
}

void FastDownloadTiming::gapSeen(double seconds)
{
    m_longestGap = std::max(m_longestGap, seconds);
}

double FastDownloadTiming::nextBlockTime() const
{
    const bool layoutComplete = std::ranges::any_of(m_possible, [this](const RadioModel* layout) {
        return layout->blockCount() == static_cast<int>(m_payloadLengths.size());
    });
    if (!layoutComplete)
        return kNextBlockTime;
    // A US radio pauses before the block its layout has beyond the others'
    // last: where a longer layout can still follow, the end waits longer.
    const bool longerCanFollow = std::ranges::any_of(m_possible, [this](const RadioModel* layout) {
        return layout->blockCount() > static_cast<int>(m_payloadLengths.size());
    });
    return std::clamp(kEndGapFactor * m_longestGap, longerCanFollow ? kShortestEndBeforeMore : kShortestEnd,
                      kNextBlockTime);
}

} // namespace ft817
