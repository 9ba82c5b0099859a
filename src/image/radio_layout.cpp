#include "image/radio_layout.h"

#include <algorithm>
#include <numeric>

namespace ft817 {
namespace {

// The first blocks of an FT-817 or FT-817ND (blocks 3 and 5 differ on an FT-818),
// then the forty blocks of memory channels and band records, then the tail.
std::vector<int> lengths(bool ft818, std::initializer_list<int> tail)
{
    std::vector<int> result = ft818 ? std::vector<int>{2, 40, 208, 208, 208, 208, 198, 53}
                                    : std::vector<int>{2, 40, 208, 182, 208, 182, 198, 53};
    result.insert(result.end(), 40, 130);
    result.insert(result.end(), tail);
    return result;
}

} // namespace

int RadioLayout::cloneBytes() const
{
    // Each block carries a number byte and a checksum beside its payload.
    return std::accumulate(payloadLengths.begin(), payloadLengths.end(), 0) + 2 * blockCount();
}

const std::vector<RadioLayout>& knownRadioLayouts()
{
    static const std::vector<RadioLayout> layouts = {
        {"FT-817", lengths(false, {118, 118})},
        {"FT-817ND", lengths(false, {118, 130})},
        {"FT-817ND (US)", lengths(false, {118, 130, 130})},
        {"FT-818", lengths(true, {118, 130})},
        {"FT-818ND (US)", lengths(true, {118, 130, 130})},
    };
    return layouts;
}

const RadioLayout* radioLayoutOf(std::span<const int> payloadLengths)
{
    for (const RadioLayout& layout : knownRadioLayouts()) {
        if (std::ranges::equal(layout.payloadLengths, payloadLengths))
            return &layout;
    }
    return nullptr;
}

std::vector<const RadioLayout*> radioLayoutsStartingWith(std::span<const int> payloadLengths)
{
    std::vector<const RadioLayout*> possible;
    for (const RadioLayout& layout : knownRadioLayouts()) {
        const auto& known = layout.payloadLengths;
        if (payloadLengths.size() <= known.size() &&
            std::equal(payloadLengths.begin(), payloadLengths.end(), known.begin()))
            possible.push_back(&layout);
    }
    return possible;
}

} // namespace ft817
