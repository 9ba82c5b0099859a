// Fuzz target for everything that reads an image file: the block table
// reader, the block store's loading, the decoding of all 200 channels and the
// `show` printouts, and the reading of other tools' payload files. Any byte string must either be refused
// with a reason or give a store that saves and reloads to itself; nothing may read or write outside its
// buffers (AddressSanitizer) or overflow (UndefinedBehaviorSanitizer).

#include "exchange/memory_report.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/payload_file.h"
#include "support/image_json.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using namespace ft817;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "image fuzz: %s\n", what);
        std::abort();
    }
}

void checkLayout(std::span<const std::uint8_t> file)
{
    auto layout = readImageLayout(file);
    if (!layout) {
        require(!layout.error().message.empty(), "a refusal without a reason");
        return;
    }
    require(static_cast<int>(layout->ends.size()) == layout->lastBlock + 1, "one end offset per block");
    int previous = 0;
    for (int end : layout->ends) {
        require(end >= previous + 2, "block ends do not increase");
        previous = end;
    }
    require(static_cast<std::size_t>(layout->cloneBytes()) < file.size(), "clone image past the file");
}

// Saving then loading again gives the same tables (when the store can be saved
// at all). After edits only what saving keeps can come back: index 0 and the
// payload of each block.
void checkSaveRoundTrip(const BlockStore& store, bool memoryImage, bool edited)
{
    auto saved = store.toImageFile();
    bool fitsTable = true;
    for (int j = 0; j < store.blockCount(); ++j)
        fitsTable = fitsTable && store.payloadLength(j) + 2 <= 255;
    require(saved.ok() == fitsTable, "saving failed for a store whose blocks fit the block table");
    if (!saved)
        return;
    auto again = memoryImage ? BlockStore::load(*saved) : BlockStore::loadBlocks(*saved);
    require(again.ok(), "a saved store does not load again");
    if (edited) {
        require(again->blockLengths() == store.blockLengths(), "saved block lengths load back different");
        require(again->cloneImage() == store.cloneImage(), "a saved edit loads back different");
    } else {
        require(*again == store, "a saved store loads back different");
    }
}

void checkReports(const BlockStore& store)
{
    for (int n = 0; n < kChannelCount; ++n) {
        const auto record = ChannelRecordView::forChannel(store, n);
        require(record.mode() >= 0 && record.mode() <= 7, "mode out of range");
        require(record.txMode() >= 0 && record.txMode() <= 7, "transmit mode out of range");
        require(record.tag().size() == 8, "tag is not 8 characters");
        (void)record.rxFrequency();
        (void)record.txFrequency();
        (void)record.shift();
        (void)isChannelActive(store, n);
    }
    const int shown = shownChannel(store);
    require(shown >= 0 && shown < kChannelCount, "shown channel outside 0..199");
    for (Vfo vfo : {Vfo::A, Vfo::B}) {
        const int band = selectedBand(store, vfo);
        require(band >= -1 && band < kBandCount, "band outside -1..14");
    }
    const std::string text = memoryText(store);
    require(!text.empty(), "empty text report");
    const std::string json = memoryJson(store);
    auto parsed = test::JsonReader::parse(json);
    require(parsed.has_value(), "show --json printed invalid JSON");
    require((*parsed)["channels"].items.size() == 200, "JSON without 200 channels");
    const int n = store.byte(1, 7) % kChannelCount;
    require(test::JsonReader::parse(channelJson(store, n)).has_value(), "channel JSON invalid");
    require(!channelText(store, n).empty(), "empty channel text");
}

// The editor's writers on a copy: the result still saves and reloads to itself.
void checkEdits(BlockStore store)
{
    const int n = store.byte(1, 7) % kChannelCount;
    auto record = ChannelRecord::forChannel(store, n);
    record.setMode(record.mode() + 1);
    record.setSplit(!record.split());
    record.setToneMode(static_cast<ToneMode>((static_cast<int>(record.toneMode()) + 1) % 4));
    record.setRxFrequency(record.rxFrequency() ^ 0x80000001u);
    record.setTag("FUZZ\xFF");
    setChannelActive(store, n, !isChannelActive(store, n));
    selectVfo(store, selectedVfo(store) == Vfo::A ? Vfo::B : Vfo::A);
    setCurrentChannel(store, n);
    checkSaveRoundTrip(store, true, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    checkLayout(file);

    auto blocks = BlockStore::loadBlocks(file);
    auto store = BlockStore::load(file);
    require(!store.ok() || blocks.ok(), "a memory image that is not an image");
    if (blocks) {
        require(blocks->blockCount() >= 1 && blocks->blockCount() <= 256, "block count outside 1..256");
        checkSaveRoundTrip(*blocks, false, false);
        // Reports on short images read the missing blocks as zero.
        (void)memoryText(*blocks);
    } else {
        require(!blocks.error().message.empty(), "a refusal without a reason");
    }
    if (store) {
        require(*store == *blocks, "the two loaders disagree");
        checkReports(*store);
        checkEdits(*store);
    }
    // A payload file is read as a whole memory that writes back to its own bytes.
    if (const auto memory = readMemoryBytes(Bytes(file.begin(), file.end()));
        memory && memory->payloadRadio) {
        const auto written = payloadFileFromImage(memory->imageFile);
        require(written && std::equal(written->begin(), written->end(), file.begin()),
                "a payload file that does not write back");
    }
    return 0;
}
