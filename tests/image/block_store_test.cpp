// Laying an image file into the block store, the limits of loading, byte and
// bit access, and writing the store back as an image file.

#include "image/block_store.h"
#include "image/image_file.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>
#include <string>

namespace ft817 {
namespace {

using test::imageFileFromPayloads;
using test::patternPayloads;

// Three blocks ending at 4, 46 and 256, every byte telling its own offset
// (offset % 199 + 1, so never 0xEE), checksums 0xEE.
Bytes threeBlockFile()
{
    const std::vector<int> lengths = {4, 42, 210};
    Bytes image(256);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i % 199 + 1);
    image[0] = 0;
    image[4] = 1;
    image[46] = 2;
    for (std::size_t checksum : {3u, 45u, 255u})
        image[checksum] = 0xEE;
    auto file = buildImageFile(image, lengths);
    EXPECT_TRUE(file.ok());
    return *file;
}

TEST(BlockStoreLoad, ThreeBlocksLandInTheirColumnsWithoutChecksums)
{
    const Bytes file = threeBlockFile();
    auto store = BlockStore::loadBlocks(file);
    ASSERT_TRUE(store.ok()) << store.error().message;

    EXPECT_EQ(store->blockLengths(), (std::vector<std::int16_t>{2, 2, 40, 208}));
    EXPECT_EQ(store->lastBlock(), 2);
    for (int i = 0; i <= 208; ++i)
        EXPECT_EQ(store->byte(i, 2), file[static_cast<std::size_t>(46 + i)]) << "index " << i;
    for (int i = 0; i <= 40; ++i)
        EXPECT_EQ(store->byte(i, 1), file[static_cast<std::size_t>(4 + i)]) << "index " << i;
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(store->byte(i, 0), file[static_cast<std::size_t>(i)]);
    for (int block = 0; block < 3; ++block)
        for (int i = 0; i < kBlockColumnSize; ++i)
            EXPECT_NE(store->byte(i, block), 0xEE)
                << "a checksum was kept at index " << i << " block " << block;
    // Places past a payload are zero.
    EXPECT_EQ(store->byte(209, 2), 0);
    EXPECT_EQ(store->byte(255, 0), 0);
}

TEST(BlockStoreLoad, WrongStoredChecksumsAreNotCompared)
{
    Bytes file = imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 3));
    file[3] ^= 0x5A;    // block 0's checksum
    file[6608] ^= 0xFF; // last block's checksum
    auto store = BlockStore::load(file);
    ASSERT_TRUE(store.ok()) << store.error().message;
    // Saving computes them afresh.
    auto saved = store->toImageFile();
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(*saved, imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 3)));
}

struct RadioLayout {
    const char* radio;
    std::vector<int> payloads;
    int cloneBytes;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const RadioLayout& param, std::ostream* out)
{
    *out << param.radio;
}

class RealRadioImage : public testing::TestWithParam<RadioLayout> {};

TEST_P(RealRadioImage, LoadsAndSavesByteForByte)
{
    const RadioLayout& layout = GetParam();
    const Bytes file = imageFileFromPayloads(patternPayloads(layout.payloads, 17));
    auto store = BlockStore::load(file);
    ASSERT_TRUE(store.ok()) << store.error().message;
    EXPECT_EQ(store->blockCount(), static_cast<int>(layout.payloads.size()));
    EXPECT_EQ(store->cloneImageSize(), layout.cloneBytes);
    for (std::size_t j = 0; j < layout.payloads.size(); ++j)
        EXPECT_EQ(store->payloadLength(static_cast<int>(j)), layout.payloads[j]);

    auto saved = store->toImageFile();
    ASSERT_TRUE(saved.ok()) << saved.error().message;
    EXPECT_EQ(*saved, file);
}

INSTANTIATE_TEST_SUITE_P(Radios, RealRadioImage,
                         testing::Values(RadioLayout{"FT817", test::ft817PayloadLengths(), 6609},
                                         RadioLayout{"FT817ND_US", test::ft817ndUsPayloadLengths(), 6753},
                                         RadioLayout{"FT818", test::ft818PayloadLengths(), 6673},
                                         RadioLayout{"FullColumns", std::vector<int>(48, 253), 48 * 255}),
                         [](const auto& info) { return std::string(info.param.radio); });

struct Refusal {
    const char* name;
    Bytes file;
    std::string reason; // the start of the message
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const Refusal& param, std::ostream* out)
{
    *out << param.name;
}

Bytes withPayloads(std::vector<int> lengths)
{
    return imageFileFromPayloads(patternPayloads(lengths, 5));
}

// An image whose block 1 is 256 bytes long (254 payload bytes), one more than
// the block table's length byte and the radio allow: the trailer can be
// written by hand, since the length byte is never read.
Bytes overlongBlockImage()
{
    std::vector<int> lengths(48, 20);
    lengths[1] = 256;
    Bytes image;
    int end = 0;
    Bytes trailer(kImageBanner.begin(), kImageBanner.end());
    trailer.push_back(0);
    trailer.push_back(0);
    for (std::size_t j = 0; j < lengths.size(); ++j) {
        image.push_back(static_cast<std::uint8_t>(j));
        image.insert(image.end(), static_cast<std::size_t>(lengths[j] - 1), std::uint8_t{0x11});
        end += lengths[j];
        trailer.push_back(static_cast<std::uint8_t>(lengths[j] & 0xFF));
        trailer.push_back(static_cast<std::uint8_t>(end & 0xFF));
        trailer.push_back(static_cast<std::uint8_t>(end >> 8));
    }
    image.insert(image.end(), trailer.begin(), trailer.end());
    return image;
}

Bytes brokenTable()
{
    Bytes file = withPayloads(std::vector<int>(50, 30));
    // Block 20's end offset made smaller than block 19's.
    const std::size_t record20 = file.size() - 3 * 50 + 3 * 20;
    file[record20 + 1] = 5;
    file[record20 + 2] = 0;
    return file;
}

class RefusedImage : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedImage, IsRefusedWithAReason)
{
    auto store = BlockStore::load(GetParam().file);
    ASSERT_FALSE(store.ok());
    EXPECT_EQ(store.error().message.substr(0, GetParam().reason.size()), GetParam().reason)
        << store.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RefusedImage,
    testing::Values(Refusal{"Empty", {}, "not an image file: the file is empty"},
                    Refusal{"TwelveBlocks", withPayloads(std::vector<int>(12, 40)),
                            "the image has only 12 blocks; an FT-817 memory image has at least 48"},
                    Refusal{"FortySevenBlocks", withPayloads(std::vector<int>(47, 130)),
                            "the image has only 47 blocks; an FT-817 memory image has at least 48"},
                    Refusal{"OneBlock", withPayloads({2}),
                            "the image has only 1 block; an FT-817 memory image has at least 48"},
                    Refusal{"BlockOf256Bytes", overlongBlockImage(),
                            "not an image file: block 1 is 256 bytes long; a clone block is at most 255"},
                    Refusal{"BlocksTooShortForTheMemoryMap", withPayloads(std::vector<int>(48, 130)),
                            "block 2 of the image holds 130 payload bytes; the radio keeps 208 bytes"},
                    Refusal{"OffsetsGoingBack", brokenTable(), "not an image file: "},
                    Refusal{"PlainText", Bytes(100, 'x'), "not an image file: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlockStoreLoad, ARefusedLoadLeavesTheTablesInUseAsTheyWere)
{
    auto loaded = BlockStore::load(imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 1)));
    ASSERT_TRUE(loaded.ok());
    BlockStore store = *loaded;
    store.setByte(7, 20, 0x99);
    const BlockStore before = store;

    for (const Bytes& bad : {Bytes{}, withPayloads(std::vector<int>(12, 40)), brokenTable()}) {
        auto attempt = BlockStore::load(bad);
        ASSERT_FALSE(attempt.ok());
        if (attempt)
            store = *attempt;
        EXPECT_EQ(store, before);
    }
}

TEST(BlockStoreLoad, LoadingTheFileAgainDiscardsEdits)
{
    const Bytes file = imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 2));
    BlockStore store = *BlockStore::load(file);
    const std::uint8_t original = store.byte(11, 9);
    store.setByte(11, 9, static_cast<std::uint8_t>(original + 1));
    store.setByte(200, 9, 0x77); // beyond the payload

    store = *BlockStore::load(file);
    EXPECT_EQ(store.byte(11, 9), original);
    EXPECT_EQ(store.byte(200, 9), 0);
}

TEST(BlockStoreAccess, EveryIndexOfEveryBlockCanBeWrittenButOnlyPayloadIsSaved)
{
    const Bytes file = imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 4));
    BlockStore store = *BlockStore::load(file);
    for (int block = 0; block < store.blockCount(); ++block) {
        for (int index = store.payloadLength(block) + 1; index < kBlockColumnSize; ++index) {
            store.setByte(index, block, static_cast<std::uint8_t>(index ^ block));
            ASSERT_EQ(store.byte(index, block), static_cast<std::uint8_t>(index ^ block));
        }
    }
    EXPECT_EQ(*store.toImageFile(), file);
}

TEST(BlockStoreAccess, AddressesOutsideTheStoreReadZeroAndAreNotWritten)
{
    BlockStore store =
        *BlockStore::load(imageFileFromPayloads(patternPayloads(test::ft817PayloadLengths(), 4)));
    const BlockStore before = store;
    for (auto [index, block] : {std::pair{-1, 0}, {256, 0}, {0, -1}, {0, 50}, {1000, 1000}}) {
        EXPECT_EQ(store.byte(index, block), 0);
        store.setByte(index, block, 0xAB);
        store.setBit(index, block, 3, true);
    }
    store.setBit(1, 1, 8, true);
    store.setBit(1, 1, -1, true);
    EXPECT_EQ(store, before);
}

TEST(BlockStoreAccess, BitHelpersLeaveTheOtherBits)
{
    BlockStore store = *BlockStore::fromPayloads(test::zeroPayloads(test::ft817PayloadLengths()));
    store.setByte(3, 10, 0b1010'0101);
    store.setBit(3, 10, 1, true);
    EXPECT_EQ(store.byte(3, 10), 0b1010'0111);
    store.setBit(3, 10, 7, false);
    EXPECT_EQ(store.byte(3, 10), 0b0010'0111);
    EXPECT_TRUE(store.bit(3, 10, 5));
    EXPECT_FALSE(store.bit(3, 10, 6));
    store.setBits(3, 10, 0xF0, 0x9C);
    EXPECT_EQ(store.byte(3, 10), 0x97);
    EXPECT_EQ(store.bits(3, 10, 0x0F), 0x07);
}

TEST(BlockStoreSave, ChecksumIsThePayloadSumModulo256)
{
    EXPECT_EQ(BlockStore::checksum(Bytes(130, 0)), 0);
    Bytes sums0x1234(18, 0xFF); // 18 * 255 = 4590
    sums0x1234.push_back(70);   // 4660 = 0x1234
    EXPECT_EQ(BlockStore::checksum(sums0x1234), 0x34);

    // The number byte is not summed.
    BlockStore store = *BlockStore::fromPayloads(std::vector<Bytes>{Bytes{1, 2}, sums0x1234});
    const Bytes image = store.cloneImage();
    EXPECT_EQ(image, (Bytes{0,    1,    2,    3,    1,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 70,   0x34}));
}

TEST(BlockStoreSave, BlockTableRecordsLengthAndEndOffset)
{
    BlockStore store =
        *BlockStore::fromPayloads(std::vector<Bytes>{Bytes(8, 1), Bytes(208, 2), Bytes(128, 3)});
    auto file = store.toImageFile();
    ASSERT_TRUE(file.ok());
    ASSERT_EQ(file->size(), 350u + 46 + 9);
    EXPECT_EQ(Bytes(file->end() - 11, file->end()),
              (Bytes{0x00, 0x00, 0x0A, 0x0A, 0x00, 0xD2, 0xDC, 0x00, 0x82, 0x5E, 0x01}));
    // The number byte saved is whatever index 0 holds.
    store.setByte(0, 1, 1);
    EXPECT_EQ((*store.toImageFile())[10], 1);
}

TEST(BlockStoreSave, AnEmptyStoreHasNothingToSave)
{
    EXPECT_FALSE(BlockStore().toImageFile().ok());
    EXPECT_EQ(BlockStore().blockCount(), 0);
    EXPECT_EQ(BlockStore().byte(0, 0), 0);
}

// The block table's length byte holds 255 at most, number byte and checksum
// included: a store takes no payload it could not save.
TEST(BlockStoreSave, EveryStoreThatCanBeBuiltCanBeSaved)
{
    const auto longest = BlockStore::fromPayloads(std::vector<Bytes>{Bytes(kMaxBlockPayload, 7)});
    ASSERT_TRUE(longest.ok());
    EXPECT_TRUE(longest->toImageFile().ok());
    const auto tooLong = BlockStore::fromPayloads(std::vector<Bytes>{Bytes(kMaxBlockPayload + 1, 7)});
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().message, "block 0 holds 254 payload bytes; a block can hold at most 253");
}

} // namespace
} // namespace ft817
