// The built-in memory of each model: laid out like a real radio's clone
// image, readable as an image file, and holding the channels it claims.

#include "image/frequency_range.h"
#include "image/image_file.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace ft817;
using namespace ft817::sim;

namespace {

struct ModelLayout {
    Model model;
    int blocks;
    int totalBytes;
    std::vector<int> tail; // payload lengths after the forty channel blocks
};

void PrintTo(const ModelLayout& layout, std::ostream* out)
{
    *out << modelName(layout.model);
}

class DefaultMemoryTest : public ::testing::TestWithParam<ModelLayout> {
protected:
    void SetUp() override
    {
        m_memory = defaultMemory(GetParam().model);
        m_starts.clear();
        int offset = 0;
        for (int length : m_memory.blockLengths) {
            m_starts.push_back(offset);
            offset += length;
        }
    }
    // BlockStore-style access: index 0 is the number byte, 1.. the payload.
    std::uint8_t at(int block, int index) const
    {
        return m_memory.image[static_cast<std::size_t>(m_starts[static_cast<std::size_t>(block)] + index)];
    }
    std::uint32_t bigEndian(int block, int index) const
    {
        return (std::uint32_t{at(block, index)} << 24) | (std::uint32_t{at(block, index + 1)} << 16) |
               (std::uint32_t{at(block, index + 2)} << 8) | at(block, index + 3);
    }

    Memory m_memory;
    std::vector<int> m_starts;
};

TEST_P(DefaultMemoryTest, HasTheModelsBlockLengthsAndSize)
{
    const ModelLayout& layout = GetParam();
    ASSERT_EQ(static_cast<int>(m_memory.blockLengths.size()), layout.blocks);
    EXPECT_EQ(radioModelOf(modelPayloadLengths(layout.model)), &modelLayout(layout.model));
    EXPECT_EQ(static_cast<int>(m_memory.image.size()), layout.totalBytes);
    EXPECT_EQ(std::accumulate(m_memory.blockLengths.begin(), m_memory.blockLengths.end(), 0),
              layout.totalBytes);
    const bool ft818 = layout.model == Model::FT818 || layout.model == Model::FT818NDUS;
    const std::vector<int> head = {2, 40, 208, ft818 ? 208 : 182, 208, ft818 ? 208 : 182, 198, 53};
    for (std::size_t k = 0; k < head.size(); ++k)
        EXPECT_EQ(m_memory.blockLengths[k], head[k] + 2) << "block " << k;
    for (std::size_t k = 8; k < 48; ++k)
        EXPECT_EQ(m_memory.blockLengths[k], 132) << "block " << k;
    for (std::size_t i = 0; i < layout.tail.size(); ++i)
        EXPECT_EQ(m_memory.blockLengths[48 + i], layout.tail[i] + 2) << "block " << 48 + i;
}

TEST_P(DefaultMemoryTest, EveryBlockIsNumberedAndChecksummed)
{
    for (std::size_t k = 0; k < m_memory.blockLengths.size(); ++k) {
        const auto begin = m_memory.image.begin() + m_starts[k];
        const auto end = begin + m_memory.blockLengths[k];
        EXPECT_EQ(*begin, k) << "number byte of block " << k;
        EXPECT_EQ(std::accumulate(begin + 1, end - 1, 0u) % 256, *(end - 1)) << "checksum of block " << k;
    }
    auto file = buildImageFile(m_memory.image, m_memory.blockLengths);
    ASSERT_TRUE(file.ok());
    auto layout = readImageLayout(*file);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(layout->lastBlock, GetParam().blocks - 1);
    EXPECT_EQ(layout->cloneBytes(), GetParam().totalBytes);
}

TEST_P(DefaultMemoryTest, Block7HoldsTheBitmapsWhereRealRadiosKeepThem)
{
    std::set<int> active;
    for (int n = 0; n < 200; ++n) {
        const bool set = at(7, 2 + n / 8) & (1 << (n % 8));
        if (set)
            active.insert(n);
    }
    std::set<int> expected;
    for (const DefaultChannel& channel : defaultChannels())
        expected.insert(channel.number);
    EXPECT_EQ(active, expected);
    EXPECT_EQ(active.count(defaultDeletedChannel().number), 0u);
    // 0x04 as real radios hold it, with PMS-L and PMS-U in use (bits 0 and 1, here and at 53).
    EXPECT_EQ(at(7, 27), 0x07);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(at(7, 28 + i), at(7, 2 + i)) << "second bitmap byte " << i;
    EXPECT_EQ(at(7, 53), 0x03);
    EXPECT_EQ(at(7, 1), kDefaultCurrentChannel);
    EXPECT_EQ(active.count(kDefaultCurrentChannel), 1u) << "the current channel is in use";
}

TEST_P(DefaultMemoryTest, VfoASelectedAndBandRecordsHoldBandFrequencies)
{
    EXPECT_EQ(at(1, 1) & 1, 0) << "VFO A selected";
    EXPECT_EQ(at(1, 5) & 0x0F, kDefaultVfoABand);
    EXPECT_EQ(at(1, 5) >> 4, kDefaultVfoBBand);
    const int bands = modelLayout(GetParam().model).vfoBandRecords;
    for (int vfo = 0; vfo < 2; ++vfo) {
        const auto expected = defaultBandFrequencies(GetParam().model, vfo);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(bands));
        for (int band = 0; band < bands; ++band) {
            const int block = (vfo == 0 ? 2 : 4) + (band <= 7 ? 0 : 1);
            const int index = band <= 7 ? 1 + 26 * band : 1 + 26 * (band - 8);
            const std::uint32_t frequency = bigEndian(block, index + 10);
            EXPECT_EQ(frequency, expected[static_cast<std::size_t>(band)])
                << "VFO " << vfo << " band " << band;
            EXPECT_GE(frequency, 180000u);   // 1.8 MHz
            EXPECT_LE(frequency, 44000000u); // 440 MHz
        }
    }
    // 7 MHz is the fourth band record, or the third where there is no 5 MHz one.
    EXPECT_EQ(defaultBandFrequencies(GetParam().model, 0)[bands == 16 ? 3 : 2], 707400u);
}

TEST_P(DefaultMemoryTest, ChannelRecordsHoldTheListedChannels)
{
    auto check = [&](const DefaultChannel& channel) {
        const int block = 8 + channel.number / 5;
        const int index = 1 + 26 * (channel.number % 5);
        SCOPED_TRACE("channel " + std::to_string(channel.number + 1));
        EXPECT_EQ(at(block, index + 0), channel.modeByte);
        // The shift as listed, the band code as a radio fills it from the frequency.
        EXPECT_EQ(at(block, index + 1) & 0xF8, channel.shiftByte & 0xF8);
        EXPECT_TRUE(bandCodeFits(at(block, index + 1) & 7, channel.frequency));
        EXPECT_EQ(at(block, index + 4), channel.toneMode);
        // A split channel's transmit mode in bits 5-3, its transmit band code in bits 2-0.
        if ((channel.shiftByte >> 6) == 3) {
            EXPECT_EQ(at(block, index + 5) >> 3, channel.txMode);
            EXPECT_TRUE(bandCodeFits(at(block, index + 5) & 7, channel.second));
        } else {
            EXPECT_EQ(at(block, index + 5), 0);
        }
        EXPECT_EQ(at(block, index + 6), channel.tone);
        EXPECT_EQ(at(block, index + 7), channel.dcs);
        EXPECT_EQ(bigEndian(block, index + 10), channel.frequency);
        EXPECT_EQ(bigEndian(block, index + 14), channel.second);
        std::string tag(channel.tag);
        tag.resize(8, ' ');
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(at(block, index + 18 + i), static_cast<std::uint8_t>(tag[static_cast<std::size_t>(i)]));
    };
    for (const DefaultChannel& channel : defaultChannels())
        check(channel);
    check(defaultDeletedChannel());
    // As real radios hold them: 14.195 split 14.225 USB, 438.625 minus, 14.074 simplex.
    EXPECT_EQ(at(10, 53 + 5), 0x08);
    EXPECT_EQ(at(10, 53 + 1), 0xE0);
    EXPECT_EQ(at(8, 53 + 1), 0x65);
    EXPECT_EQ(at(8, 105 + 1), 0x00);
}

INSTANTIATE_TEST_SUITE_P(Models, DefaultMemoryTest,
                         ::testing::Values(ModelLayout{Model::FT817, 50, 6609, {118, 118}},
                                           ModelLayout{Model::FT817ND, 50, 6621, {118, 130}},
                                           ModelLayout{Model::FT817NDUS, 51, 6753, {118, 130, 130}},
                                           ModelLayout{Model::FT818, 50, 6673, {118, 130}},
                                           ModelLayout{Model::FT818NDUS, 51, 6805, {118, 130, 130}}),
                         [](const auto& info) {
                             std::string name = modelName(info.param.model);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(DefaultChannels, CoverEveryKindOfChannelTheEditorShows)
{
    const auto& channels = defaultChannels();
    EXPECT_GE(channels.size(), 12u);
    auto any = [&](auto predicate) { return std::any_of(channels.begin(), channels.end(), predicate); };
    EXPECT_TRUE(any([](const DefaultChannel& c) {
        return c.shiftByte == 0x64 && c.second == 60000 && c.toneMode == 1 && c.tone == 8;
    }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.shiftByte == 0xA5; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.shiftByte == 0xE4 && c.second != 0; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.toneMode == 3; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return (c.modeByte & 0xC0) == 0x80; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return (c.modeByte & 0xC0) == 0xC0; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.shiftByte == 0x05; }));
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.frequency < 3000000; })); // HF
    EXPECT_TRUE(
        any([](const DefaultChannel& c) { return c.frequency >= 5000000 && c.frequency < 5400000; })); // 6 m
    EXPECT_TRUE(any(
        [](const DefaultChannel& c) { return c.frequency >= 14400000 && c.frequency < 14800000; })); // 2 m
    EXPECT_TRUE(any([](const DefaultChannel& c) { return c.frequency >= 43000000; }));               // 70 cm
    EXPECT_TRUE(std::is_sorted(channels.begin(), channels.end(),
                               [](const auto& a, const auto& b) { return a.number < b.number; }));
}

} // namespace
