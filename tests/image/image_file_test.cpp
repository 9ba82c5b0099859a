// Reading and writing image files: the layout, and refusal of files that are
// not images, without ever reading outside the file.

#include "image/image_file.h"

#include <gtest/gtest.h>
#include <numeric>

namespace ft817 {
namespace {

// A clone image of blocks with the given lengths, each numbered and with a
// payload of recognisable bytes.
Bytes cloneImage(const std::vector<int>& lengths)
{
    Bytes image;
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        image.push_back(static_cast<std::uint8_t>(k));
        for (int i = 1; i < lengths[k] - 1; ++i)
            image.push_back(static_cast<std::uint8_t>(k * 7 + i));
        image.push_back(0xEE); // checksum: never looked at by readers
    }
    return image;
}

Bytes imageFile(const std::vector<int>& lengths)
{
    auto file = buildImageFile(cloneImage(lengths), lengths);
    EXPECT_TRUE(file.ok());
    return *file;
}

TEST(ImageFile, TwoBlockExampleReadsBackItsOffsets)
{
    const Bytes file = imageFile({3, 4});
    ASSERT_EQ(file.size(), 59u);
    EXPECT_EQ(Bytes(file.end() - 8, file.end()), (Bytes{0, 0, 3, 3, 0, 4, 7, 0}));
    EXPECT_EQ(std::string(file.begin() + 7, file.begin() + 51), std::string(kImageBanner));

    auto layout = readImageLayout(file);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(layout->lastBlock, 1);
    EXPECT_EQ(layout->ends, (std::vector<int>{3, 7}));
    EXPECT_EQ(layout->cloneBytes(), 7);
}

TEST(ImageFile, OneBlockImageTakesItsStartFromTheZeroBytes)
{
    auto layout = readImageLayout(imageFile({4}));
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(layout->lastBlock, 0);
    EXPECT_EQ(layout->ends, std::vector<int>{4});
}

TEST(ImageFile, RealRadioLayoutRoundTrips)
{
    std::vector<int> payloads = {2, 40, 208, 182, 208, 182, 198, 53};
    payloads.insert(payloads.end(), 40, 130);
    payloads.insert(payloads.end(), {118, 118});
    std::vector<int> lengths;
    for (int p : payloads)
        lengths.push_back(p + 2);
    const Bytes file = imageFile(lengths);
    EXPECT_EQ(file.size(), 6609u + 46 + 3 * 50);
    auto layout = readImageLayout(file);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(layout->lastBlock, 49);
    EXPECT_EQ(layout->cloneBytes(), 6609);
    for (int k = 0; k < 50; ++k)
        EXPECT_EQ(layout->blockLength(k), lengths[static_cast<std::size_t>(k)]);
}

TEST(ImageFile, BannerLengthBytesAndChecksumsAreNeverRead)
{
    const Bytes original = imageFile({5, 9, 4});
    const auto expected = readImageLayout(original);
    ASSERT_TRUE(expected.ok());
    const std::size_t T = 18;
    std::vector<std::size_t> ignored;
    for (std::size_t i = 0; i < 44; ++i)
        ignored.push_back(T + i); // banner
    for (std::size_t k = 0; k < 3; ++k)
        ignored.push_back(T + 46 + 3 * k); // len bytes
    for (std::size_t end : {4u, 13u, 17u})
        ignored.push_back(end); // stored checksums
    for (std::size_t at : ignored) {
        Bytes changed = original;
        changed[at] ^= 0x5A;
        const auto layout = readImageLayout(changed);
        ASSERT_TRUE(layout.ok()) << "byte " << at << ": " << layout.error().message;
        EXPECT_EQ(layout->ends, expected->ends) << "byte " << at;
    }
}

TEST(ImageFile, WriterRefusesWhatTheTableCannotRecord)
{
    const std::vector<int> tooLong = {256};
    EXPECT_FALSE(buildImageTrailer(tooLong).ok());
    const std::vector<int> tooMuch(129, 255); // 32895 bytes, past the last offset
    const auto refused = buildImageTrailer(tooMuch);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("at most 32767"), std::string::npos);
    const std::vector<int> lengths = {3, 4};
    EXPECT_FALSE(buildImageFile(Bytes(6, 0), lengths).ok());
}

struct Damage {
    const char* name;
    std::function<Bytes()> make;
    const char* reason;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const Damage& param, std::ostream* out)
{
    *out << param.name;
}

class RefusedFile : public testing::TestWithParam<Damage> {};

TEST_P(RefusedFile, IsRefusedWithItsReason)
{
    const Bytes file = GetParam().make();
    const auto layout = readImageLayout(file);
    ASSERT_FALSE(layout.ok());
    EXPECT_NE(layout.error().message.find(GetParam().reason), std::string::npos) << layout.error().message;
    EXPECT_EQ(layout.error().message.rfind("not an image file: ", 0), 0u);
}

Bytes withByte(Bytes file, long offsetFromEnd, std::uint8_t value)
{
    file[file.size() - static_cast<std::size_t>(offsetFromEnd)] = value;
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    ImageFile, RefusedFile,
    testing::Values(Damage{"Empty", [] { return Bytes{}; }, "empty"},
                    Damage{"FourBytes",
                           [] {
                               return Bytes{0, 1, 2, 3};
                           },
                           "too short"},
                    Damage{"TruncatedTrailer",
                           [] {
                               Bytes f = imageFile({3, 4});
                               f.erase(f.begin() + 20, f.begin() + 30);
                               return f;
                           },
                           ""},
                    Damage{"StartPastTheEnd",
                           [] {
                               return withByte(imageFile({3, 4}), 4, 0x7F);
                           },
                           "past the end"},
                    Damage{"OffsetAbove32767",
                           [] {
                               return withByte(imageFile({3, 4}), 1, 0x80);
                           },
                           "above 32767"},
                    Damage{"DecreasingOffsets",
                           [] {
                               return withByte(imageFile({3, 4, 5}), 8, 6); // E(0) = 6, E(1) = 7
                           },
                           "do not increase"},
                    Damage{"ExtraBytesBeforeTrailer",
                           [] {
                               Bytes f = imageFile({3, 4});
                               f.insert(f.begin() + 7, 0x55);
                               return f;
                           },
                           "length of the file"},
                    Damage{"BannerOnly", [] { return Bytes(kImageBanner.begin(), kImageBanner.end()); }, ""}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// The number bytes do not decide the layout: a block the radio split with a
// pause is two records, the second starting with a payload byte, and a block
// may carry another number; the file is read, and its check says what is wrong.
TEST(ImageFile, BlocksCarryingOtherNumbersAreReadAsTheTableSays)
{
    Bytes file = imageFile({3, 4, 5});
    file[3] = 0x42; // block 1 starts with a payload byte
    file[7] = 5;    // the last block says it is block 5
    const auto layout = readImageLayout(file);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(layout->lastBlock, 2);
    EXPECT_EQ(layout->ends, (std::vector<int>{3, 7, 12}));
}

TEST(ImageFile, NoRefusalReadsOutsideTheFile)
{
    // Every truncation of a valid file is refused or read without leaving it;
    // the sanitizers catch any read past the end.
    const Bytes file = imageFile({4, 10, 6});
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<long>(size));
        const auto layout = readImageLayout(cut);
        EXPECT_FALSE(layout.ok()) << size;
    }
}

} // namespace
} // namespace ft817
