#include "image/image_check.h"

#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/radio_settings.h"
#include "image/special_memories.h"
#include "text/text_format.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace ft817 {
namespace {

// Numbers in increasing order as a list in words: "50" or "50 or 51".
std::string numbersInWords(const std::set<int>& numbers)
{
    std::vector<std::string> texts;
    for (int number : numbers)
        texts.push_back(std::to_string(number));
    return orList(texts);
}

// Block counts of the layouts still possible, as "50" or "50 or 51".
std::string blockCounts(const std::vector<const RadioModel*>& layouts)
{
    std::set<int> counts;
    for (const RadioModel* layout : layouts)
        counts.insert(layout->blockCount());
    return numbersInWords(counts);
}

// The radios' names, as "an FT-817" or "an FT-817ND or an FT-818".
std::string radioNames(const std::vector<const RadioModel*>& layouts)
{
    std::string text;
    for (const RadioModel* layout : layouts)
        text += (text.empty() ? "an " : " or an ") + std::string(layout->name);
    return text;
}

// The known layouts that share the longest run of first blocks with these
// payload lengths, and how long that run is.
std::pair<std::size_t, std::vector<const RadioModel*>> closestLayouts(std::span<const int> payloads)
{
    std::size_t matched = payloads.size();
    while (radioModelsStartingWith(payloads.first(matched)).empty())
        --matched;
    return {matched, radioModelsStartingWith(payloads.first(matched))};
}

// The blocks after the first `count` that the radios still possible send,
// as "block 49" or "blocks 21 to 49 or blocks 21 to 50".
std::string missingBlocks(std::size_t count, const std::vector<const RadioModel*>& layouts)
{
    std::set<int> ends;
    for (const RadioModel* layout : layouts)
        ends.insert(layout->blockCount() - 1);
    const int first = static_cast<int>(count);
    std::vector<std::string> ranges;
    for (int last : ends) {
        if (last < first)
            continue;
        ranges.push_back(last == first ? "block " + std::to_string(first)
                         : last == first + 1
                             ? "blocks " + std::to_string(first) + " and " + std::to_string(last)
                             : "blocks " + std::to_string(first) + " to " + std::to_string(last));
    }
    return orList(ranges);
}

// Blocks that are no blocks of their own: a block the radio split with a
// pause arrives as two pieces, one it stopped in is a single short piece.
// After a split every later block of the image holds the radio's block
// before it.
struct Pieces {
    std::size_t first = 0; // the first piece's place among the image's blocks
    std::size_t count = 0; // 0 when no block was split or cut short
    int shift = 0;         // 1 after a split: image block k holds the radio's block k - 1
};

// Why blocks of these payload lengths are none of the known layouts, and
// which of them are pieces of one block; the first block that differs is
// where the trouble began.
std::pair<std::string, Pieces> layoutProblem(std::span<const int> payloads, std::span<const int> wireLengths)
{
    const auto [matched, closest] = closestLayouts(payloads);
    const std::size_t count = payloads.size();
    if (matched == count)
        return {"the radio stopped after block " + std::to_string(count - 1) + " of " + blockCounts(closest) +
                    "; missing: " + missingBlocks(count, closest),
                {}};
    // The lengths block `matched` has on the radios still possible.
    std::set<int> expected;
    for (const RadioModel* layout : closest)
        if (layout->payloadLengths.size() > matched)
            expected.insert(layout->payloadLengths[matched] + 2);
    if (expected.empty())
        return {"the radio sent " + countOf(static_cast<long long>(count), "block", "blocks") +
                    "; the first " + std::to_string(matched) + " are those of " + radioNames(closest) +
                    ", which " + (closest.size() == 1 ? "sends " : "send ") + blockCounts(closest),
                {}};
    const int got = wireLengths[matched];
    const std::string block = "block " + std::to_string(matched);
    const auto longer = expected.upper_bound(got);
    if (matched + 1 == count && longer != expected.end())
        return {"the radio stopped in the middle of " + block + " (" + std::to_string(got) + " of its " +
                    countOf(*longer, "byte", "bytes") + " arrived)",
                Pieces{matched, 1, 0}};
    if (matched + 1 < count && expected.contains(got + wireLengths[matched + 1]))
        return {block + " arrived in two pieces of " + std::to_string(got) + " and " +
                    countOf(wireLengths[matched + 1], "byte", "bytes") +
                    ": the radio paused in the middle of it",
                Pieces{matched, 2, 1}};
    return {block + " is " + countOf(got, "byte", "bytes") + " long where the radio sends " +
                numbersInWords(expected),
            {}};
}

// The byte of a clone image at a block's index (index 1 is the first byte
// after its number byte); nothing when the image does not reach it.
std::optional<std::uint8_t> cloneByte(std::span<const std::uint8_t> image, std::span<const int> blockLengths,
                                      int block, int index)
{
    if (block < 0 || block >= static_cast<int>(blockLengths.size()) ||
        index >= blockLengths[static_cast<std::size_t>(block)])
        return std::nullopt;
    std::size_t at = 0;
    for (int k = 0; k < block; ++k)
        at += static_cast<std::size_t>(blockLengths[static_cast<std::size_t>(k)]);
    at += static_cast<std::size_t>(index);
    return at < image.size() ? std::optional<std::uint8_t>(image[at]) : std::nullopt;
}

// A known model that sends every block of `radio` and more after them (the
// US model of a radio, with its 60 m block last), when the memory says it
// came from one: block 0 holds that model's version bytes, or a setting only
// that model has is on. Which model, and the words that say why; nothing
// when the memory says nothing of it.
std::optional<std::pair<const RadioModel*, std::string>> longerModelSign(std::span<const std::uint8_t> image,
                                                                         std::span<const int> blockLengths,
                                                                         const RadioModel& radio)
{
    constexpr std::array<std::uint8_t, 2> kUnknown{};
    const auto first = cloneByte(image, blockLengths, 0, 1);
    const auto second = cloneByte(image, blockLengths, 0, 2);
    for (const RadioModel* longer : longerModels(radio)) {
        const auto& version = longer->versionBytes;
        if (version != kUnknown && version != radio.versionBytes && first == version[0] &&
            second == version[1])
            return std::pair{longer, "block 0 holds " + hexBytes(version, " ") +
                                         ", the version bytes of an " + std::string(longer->name)};
        for (const RadioSetting& setting : radioSettings()) {
            if (modelHasSetting(radio, setting) || !modelHasSetting(*longer, setting))
                continue;
            for (const BitLocation& bits : settingBits(setting)) {
                const auto byte = cloneByte(image, blockLengths, bits.block, bits.index);
                if (byte && (*byte & bits.mask) != 0)
                    return std::pair{longer, "its " + std::string(setting.shortName()) +
                                                 " setting, which only " + std::string(longer->name) +
                                                 " radios have, is on"};
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::string modelChoiceNote(const RadioModel& radio)
{
    const std::vector<const RadioModel*> longer = longerModels(radio);
    if (longer.empty())
        return {};
    return "taken for an " + std::string(radio.name) + ": its " + std::to_string(radio.blockCount()) +
           " blocks are an " + std::string(radio.name) + "'s whole memory; " + radioNames(longer) +
           " sends " + blockCounts(longer) + ", and nothing in the memory says it is one";
}

std::string joinReasons(const std::vector<std::string>& reasons, std::size_t limit)
{
    std::string text;
    for (std::size_t i = 0; i < reasons.size() && i < limit; ++i)
        text += (i == 0 ? "" : "; ") + reasons[i];
    if (reasons.size() > limit)
        text += "; and " + std::to_string(reasons.size() - limit) + " more";
    return text;
}

const RadioModel* radioOf(const BlockStore& store)
{
    std::vector<int> payloads(static_cast<std::size_t>(store.blockCount()));
    for (int block = 0; block < store.blockCount(); ++block)
        payloads[static_cast<std::size_t>(block)] = store.payloadLength(block);
    return radioModelOf(payloads);
}

ImageCheck checkCloneImage(std::span<const std::uint8_t> image, std::span<const int> blockLengths)
{
    ImageCheck check;
    if (blockLengths.empty()) {
        check.shapeProblems.push_back("the radio sent nothing");
        return check;
    }
    std::vector<int> payloads;
    for (int length : blockLengths)
        payloads.push_back(length - 2);
    check.radio = radioModelOf(payloads);
    Pieces pieces;
    if (!check.radio) {
        auto [problem, split] = layoutProblem(payloads, blockLengths);
        check.shapeProblems.push_back(std::move(problem));
        pieces = split;
    }
    check.blocksDisturbed = pieces.count > 0;
    if (pieces.count == 2)
        check.splitBlock = static_cast<int>(pieces.first);

    // Every block's number and checksum, whatever the layout: damage after a
    // block of an unexpected length is damage all the same. The pieces of a
    // split block are said above; the blocks after them carry the number of
    // the radio's block they hold.
    bool numbersInOrder = true;
    std::size_t start = 0;
    for (std::size_t k = 0; k < payloads.size(); ++k) {
        const auto length = static_cast<std::size_t>(std::max(blockLengths[k], 0));
        if (start + length > image.size())
            break;
        const auto block = image.subspan(start, length);
        start += length;
        if (length == 0 || (k >= pieces.first && k < pieces.first + pieces.count))
            continue;
        const std::size_t number =
            k >= pieces.first + pieces.count ? k - static_cast<std::size_t>(pieces.shift) : k;
        if (block[0] != number && numbersInOrder) {
            numbersInOrder = false;
            check.blocksDisturbed = true;
            check.misnumberedBlock = static_cast<int>(k);
            check.shapeProblems.push_back("block " + std::to_string(k) + " carries the number " +
                                          std::to_string(block[0]));
        }
        if (length >= 2 && !BlockStore::checksumMatches(block))
            check.damagedBlocks.push_back(static_cast<int>(k));
    }
    // The blocks of one model may be the first blocks of another: the memory
    // itself may tell that its radio is the longer one and stopped early.
    if (check.radio)
        if (const auto sign = longerModelSign(image, blockLengths, *check.radio)) {
            check.shapeProblems.push_back("the radio stopped after block " +
                                          std::to_string(payloads.size() - 1) + " of " +
                                          std::to_string(sign->first->blockCount()) + ": the memory is an " +
                                          std::string(sign->first->name) + "'s (" + sign->second +
                                          "), not an " + std::string(check.radio->name) + "'s");
            check.radio = nullptr;
        }
    return check;
}

ImageCheck checkImageFile(std::span<const std::uint8_t> file)
{
    const Result<ImageLayout> layout = readImageLayout(file);
    if (!layout) {
        ImageCheck check;
        check.shapeProblems.push_back(layout.error().message);
        return check;
    }
    std::vector<int> lengths;
    for (int k = 0; k <= layout->lastBlock; ++k)
        lengths.push_back(layout->blockLength(k));
    ImageCheck check = checkCloneImage(file.first(static_cast<std::size_t>(layout->cloneBytes())), lengths);
    if (check.wellShaped())
        if (const Result<BlockStore> store = BlockStore::load(file)) {
            check.notes = recordNotes(*store);
            check.untunedMemories = untunedMemories(*store);
        }
    return check;
}

std::vector<std::string> recordNotes(const BlockStore& store)
{
    std::vector<std::string> notes;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (!isChannelActive(store, channel))
            continue;
        const std::string problem = ChannelRecordView::forChannel(store, channel).bandCodeProblem();
        if (!problem.empty())
            notes.push_back("channel " + std::to_string(channel + 1) + ": " + problem);
    }
    for (const SpecialMemory& memory : specialMemoriesOf(store)) {
        if (!isSpecialInUse(store, memory))
            continue;
        const std::string problem = ChannelRecordView(store, memory.where).bandCodeProblem();
        if (!problem.empty())
            notes.push_back(memory.name + ": " + problem);
    }
    return notes;
}

std::vector<std::string> untunedMemories(const BlockStore& store)
{
    std::vector<std::string> untuned;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (!isChannelActive(store, channel))
            continue;
        const auto record = ChannelRecordView::forChannel(store, channel);
        const std::string frequencies = record.untunedFrequencies();
        if (frequencies.empty())
            continue;
        // The tag the radio shows helps the owner find the channel.
        const std::string tag(trimmed(terminalText(
            record.tag(), {.source = TerminalText::Source::Latin1, .escape = TerminalText::Escape::Dot})));
        untuned.push_back("channel " + std::to_string(channel + 1) +
                          (record.tagShown() && !tag.empty() ? " (tag " + tag + ")" : "") + ": " +
                          frequencies);
    }
    for (const SpecialMemory& memory : specialMemoriesOf(store)) {
        if (!isSpecialInUse(store, memory))
            continue;
        const std::string frequencies = ChannelRecordView(store, memory.where).untunedFrequencies();
        if (!frequencies.empty())
            untuned.push_back(memory.name + ": " + frequencies);
    }
    return untuned;
}

std::string untunedHeading(std::size_t count)
{
    return "the radio cannot tune the frequency of " +
           countOf(static_cast<long long>(count), "memory in use", "memories in use");
}

std::string notWholeReason(const ImageCheck& check)
{
    std::vector<std::string> reasons = check.shapeProblems;
    for (int block : check.damagedBlocks)
        reasons.push_back("block " + std::to_string(block) + " arrived damaged: its checksum does not match");
    return joinReasons(reasons);
}

std::string staleChecksumNote(const ImageCheck& check)
{
    if (check.damagedBlocks.empty())
        return {};
    std::string blocks;
    const std::size_t shown = std::min<std::size_t>(check.damagedBlocks.size(), 20);
    for (std::size_t i = 0; i < shown; ++i)
        blocks += (i == 0                                                  ? ""
                   : i + 1 == shown && shown == check.damagedBlocks.size() ? " and "
                                                                           : ", ") +
                  std::to_string(check.damagedBlocks[i]);
    if (check.damagedBlocks.size() > shown)
        blocks += " and " + std::to_string(check.damagedBlocks.size() - shown) + " more";
    return std::string(check.damagedBlocks.size() == 1
                           ? "the stored checksum of block " + blocks + " does not match"
                           : "the stored checksums of blocks " + blocks + " do not match") +
           ": the file was changed outside this program or arrived damaged";
}

std::string damageHiddenByRewrite(const ImageCheck& check)
{
    return check.intactBlocks() ? std::string() : notWholeFileReason(check);
}

std::string notWholeFileReason(const ImageCheck& check)
{
    std::vector<std::string> reasons = check.shapeProblems;
    if (const std::string stale = staleChecksumNote(check); !stale.empty())
        reasons.push_back(stale);
    return joinReasons(reasons);
}

} // namespace ft817
