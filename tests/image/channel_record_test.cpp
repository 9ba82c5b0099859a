// The fields of a memory channel record: decoding, the editor's writers, and
// that no writer touches a bit it does not own.

#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>
#include <random>

namespace ft817 {
namespace {

BlockStore zeroStore()
{
    return *BlockStore::fromPayloads(test::zeroPayloads(test::ft817PayloadLengths()));
}

TEST(ChannelRecordFields, FrequenciesAreExactUnsigned32BitBigEndian)
{
    EXPECT_EQ(decodeFrequency(0x00, 0x0A, 0xAE, 0x60), 700000u);
    EXPECT_EQ(decodeFrequency(0xFF, 0xFF, 0xFF, 0xFF), 4294967295u);
    EXPECT_EQ(decodeFrequency(0x80, 0x00, 0x00, 0x00), 2147483648u);

    BlockStore store = zeroStore();
    auto record = ChannelRecord::forChannel(store, 7);
    record.setRxFrequency(700000);
    EXPECT_EQ(store.byte(53 + 10, 9), 0x00);
    EXPECT_EQ(store.byte(53 + 11, 9), 0x0A);
    EXPECT_EQ(store.byte(53 + 12, 9), 0xAE);
    EXPECT_EQ(store.byte(53 + 13, 9), 0x60);
    record.setTxFrequency(4294967295u);
    EXPECT_EQ(record.txFrequency(), 4294967295u);
    EXPECT_EQ(record.rxFrequency(), 700000u);
}

TEST(ChannelRecordFields, SplitIsTheRadiosSplitAlone)
{
    // Bits 7-5 of byte 1 together: only 111 is split; a repeater shift is not.
    for (auto [b1, split] : {std::pair{0xE0, true},
                             {0xE4, true},
                             {0x64, false},
                             {0xA4, false},
                             {0xC0, false},
                             {0x40, false},
                             {0x3F, false},
                             {0x00, false}})
        EXPECT_EQ(decodeSplit(static_cast<std::uint8_t>(b1)), split) << b1;
    EXPECT_EQ(encodeSplit(0x64, false), 0x04);
    EXPECT_EQ(encodeSplit(0x25, true), 0xE5);
}

TEST(ChannelRecordFields, ShiftAsTheRadioStoresIt)
{
    EXPECT_EQ(decodeShift(0x04), Shift::Simplex);
    EXPECT_EQ(decodeShift(0x05), Shift::Simplex);
    EXPECT_EQ(decodeShift(0x64), Shift::Minus);
    EXPECT_EQ(decodeShift(0xA5), Shift::Plus);
    EXPECT_EQ(decodeShift(0xE4), Shift::Split);
    // Bits 7-6 with bit 5 clear, as special memories of a real FT-817ND (US)
    // hold them, are simplex to the radio; so is any pattern it never writes.
    for (const int b1 : {0x83, 0x84, 0xC4, 0x44, 0x24})
        EXPECT_EQ(decodeShift(static_cast<std::uint8_t>(b1)), Shift::Simplex) << b1;
    EXPECT_EQ(shiftName(Shift::Minus), "minus");
    // Writing sets bits 5-7 the way the radio does and keeps bits 0-4.
    EXPECT_EQ(encodeShift(0xE4, Shift::Simplex), 0x04);
    EXPECT_EQ(encodeShift(0x04, Shift::Minus), 0x64);
    EXPECT_EQ(encodeShift(0x05, Shift::Plus), 0xA5);
    EXPECT_EQ(encodeShift(0x24, Shift::Split), 0xE4);
}

TEST(ChannelRecordFields, ModeAndTagShareByte0)
{
    EXPECT_EQ(decodeMode(0x85), 5);
    EXPECT_FALSE(decodeTagOn(0x85));
    EXPECT_EQ(decodeMode(0xC2), 2);
    EXPECT_TRUE(decodeTagOn(0xC2));
    EXPECT_FALSE(decodeTagOn(0x40));
    EXPECT_EQ(kModeNames[5], "FM");
    EXPECT_EQ(kModeNames[2], "CW");

    // The mode writer takes any list index, even "no selection" (-1) or the empty entry (8).
    EXPECT_EQ(encodeMode(0xFD, -1), 0xFF);
    EXPECT_EQ(encodeMode(0xFD, 8), 0xF8);
    EXPECT_EQ(encodeMode(0x38, 3), 0x3B);
    EXPECT_EQ(encodeTagOn(0x85, true), 0xC5);
    EXPECT_EQ(encodeTagOn(0xC5, false), 0x05);
}

TEST(ChannelRecordFields, SplitTransmitModeAndBandCodesAsRealRadiosFillThem)
{
    // Every split channel of the real images: FM on 2 m 0x2C, FM on 70 cm 0x2D.
    EXPECT_EQ(decodeTxMode(0x2C), 5);
    EXPECT_EQ(decodeBandCode(0x2C), 4);
    EXPECT_EQ(encodeTxMode(0xC4, 5), 0xEC);
    EXPECT_EQ(encodeTxMode(0xFF, -1), 0xFF);
    EXPECT_EQ(encodeTxMode(0xFF, 8), 0xC7);

    const struct {
        std::uint32_t frequency;
        std::optional<int> code;
    } bands[] = {{10'000, 0},      {3'299'999, 0},  {3'300'000, 1},  {5'600'000, 1},  {5'600'001, {}},
                 {7'600'000, 2},   {10'800'000, 2}, {10'800'001, 3}, {13'700'000, 4}, {15'400'000, 4},
                 {15'400'001, {}}, {42'000'000, 5}, {47'000'000, 5}, {47'000'001, {}}};
    for (const auto& band : bands)
        EXPECT_EQ(bandCodeOf(band.frequency), band.code) << band.frequency;
    // At 108 MHz exactly a radio stores either, by the VFO band it came from.
    EXPECT_TRUE(bandCodeFits(2, 10'800'000));
    EXPECT_TRUE(bandCodeFits(3, 10'800'000));
    EXPECT_FALSE(bandCodeFits(4, 10'800'000));
    EXPECT_TRUE(bandCodeFits(7, 6'000'000)) << "outside every band any code stays";

    BlockStore store = zeroStore();
    ChannelRecord record = ChannelRecord::forChannel(store, 3);
    record.setByte(1, 0xE0);
    record.setByte(5, 0xC0);
    record.setRxFrequency(14'580'000);
    record.setTxFrequency(14'590'000);
    record.setTxMode(5);
    EXPECT_EQ(record.bandCodeProblem(), "RX band code 0 (HF) where 145.80000 MHz is band 4 (144 MHz), "
                                        "TX band code 0 (HF) where 145.90000 MHz is band 4 (144 MHz)");
    record.fitBandCodes();
    EXPECT_EQ(record.byte(1), 0xE4);
    EXPECT_EQ(record.byte(5), 0xEC);
    EXPECT_EQ(record.bandCodeProblem(), "");
    // A simplex channel's byte 5 is not the radio's to fill.
    record.setShift(Shift::Simplex);
    record.setTxFrequency(43'550'000);
    record.fitBandCodes();
    EXPECT_EQ(record.byte(5), 0xEC);
}

TEST(ChannelRecordFields, SkipIpoAttNarrowStepsAndToneNumbersAsTheRadioKeepsThem)
{
    BlockStore store = zeroStore();
    ChannelRecord record = ChannelRecord::forChannel(store, 7);
    record.setByte(2, 0xB0); // skip, IPO, ATT
    record.setByte(3, 0x9B); // SSB 5.0 (2), AM 10 (3), FM 12.5 (3)
    record.setByte(6, 0xC8); // tone 8 with both bits above it
    record.setByte(7, 0xE7); // code 103 (754) with bit 7
    EXPECT_TRUE(record.skip() && record.ipo() && record.att());
    EXPECT_EQ(record.tuningStep(StepGroup::Ssb), 2);
    EXPECT_EQ(record.tuningStep(StepGroup::Am), 3);
    EXPECT_EQ(record.tuningStep(StepGroup::Fm), 3);
    EXPECT_EQ(record.ctcssTone(), 8);
    EXPECT_EQ(record.dcsCode(), 103);
    EXPECT_EQ(record.toneNumber(), 0xC8) << "the one-channel editor's whole byte";

    // Narrow: bit 4 for CW and CWR, bit 3 for FM, never for other modes.
    const struct {
        std::uint8_t byte1;
        int mode;
        bool narrow;
    } narrows[] = {{0x10, 2, true},  {0x10, 3, true},  {0x08, 2, false}, {0x08, 5, true},
                   {0x10, 5, false}, {0x18, 1, false}, {0x18, 4, false}};
    for (const auto& n : narrows) {
        record.setByte(1, n.byte1);
        record.setMode(n.mode);
        EXPECT_EQ(record.narrow(), n.narrow) << int(n.byte1) << " mode " << n.mode;
    }
    record.setByte(1, 0xE4);
    record.setNarrow(true);
    EXPECT_EQ(record.byte(1), 0xFC);
    record.setNarrow(false);
    EXPECT_EQ(record.byte(1), 0xE4);

    record.setTuningStep(StepGroup::Am, 5);
    EXPECT_EQ(record.byte(3), 0xAB);
    record.setCtcssTone(49);
    EXPECT_EQ(record.byte(6), 0xF1);
    record.setDcsCode(0);
    EXPECT_EQ(record.byte(7), 0x80);

    EXPECT_EQ(tuningStepText(StepGroup::Fm, 1), "6.25");
    EXPECT_EQ(tuningStepText(StepGroup::Fm, 3), "12.50");
    EXPECT_EQ(tuningStepText(StepGroup::Ssb, 3), "") << "position 3 of the SSB steps is undefined";
    EXPECT_EQ(tuningStepNamed(StepGroup::Fm, "12.5"), 3);
    EXPECT_EQ(tuningStepNamed(StepGroup::Am, "9"), 2);
    EXPECT_EQ(tuningStepNamed(StepGroup::Ssb, "5.00"), 2);
    EXPECT_EQ(tuningStepNamed(StepGroup::Ssb, "12.50"), std::nullopt);
    EXPECT_EQ(tuningStepNamed(StepGroup::Fm, "6.2500"), std::nullopt);
    EXPECT_EQ(stepGroupOf(6), StepGroup::Ssb);
    EXPECT_EQ(listedModeName(3, true), "CWR-N");
    EXPECT_EQ(listedModeName(1, true), "USB");
}

TEST(ChannelRecordFields, ToneWritersKeepBits2To7)
{
    EXPECT_EQ(decodeToneMode(0xFE), ToneMode::Mute);
    const std::uint8_t toned = encodeToneMode(0xFE, ToneMode::Tone);
    EXPECT_EQ(toned, 0xFD);
    EXPECT_EQ(decodeToneMode(toned), ToneMode::Tone);
    EXPECT_EQ(encodeToneMode(toned, ToneMode::None), 0xFC);

    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        for (ToneMode mode : {ToneMode::None, ToneMode::Tone, ToneMode::Mute, ToneMode::Dcs}) {
            const std::uint8_t written = encodeToneMode(byte, mode);
            EXPECT_EQ(decodeToneMode(written), mode);
            EXPECT_EQ(written & 0xFC, byte & 0xFC);
        }
    }
}

TEST(ChannelRecordFields, TagTextIsEightBytesPaddedWithBlanks)
{
    BlockStore store = zeroStore();
    auto record = ChannelRecord::forChannel(store, 0);
    record.setTag("ABC");
    EXPECT_EQ(record.tag(), "ABC     ");
    record.setTag("LONGER THAN EIGHT");
    EXPECT_EQ(record.tag(), "LONGER T");
    record.setTag("\xE9t\xE9");
    EXPECT_EQ(store.byte(1 + 18, 8), 0xE9);
    EXPECT_EQ(record.tag(), std::string("\xE9t\xE9     "));
    EXPECT_EQ(store.byte(1 + 26, 8), 0) << "the next record was touched";
}

TEST(ChannelRecordFields, ARecordIsReadWhereTheMapPutsIt)
{
    BlockStore store = zeroStore();
    store.setByte(105, 8, 0x83);
    store.setByte(1, 9, 0x04);
    store.setByte(105 + 25, 47, 'Z');
    EXPECT_EQ(ChannelRecordView::forChannel(store, 4).mode(), 3);
    EXPECT_EQ(ChannelRecordView::forChannel(store, 5).mode(), 4);
    EXPECT_EQ(ChannelRecordView::forChannel(store, 199).tag().back(), 'Z');
}

// Bits each writer owns, per record byte.
struct Field {
    const char* name;
    std::array<std::uint8_t, kRecordSize> owned;
    void (*write)(ChannelRecord&, std::mt19937&);
};

std::array<std::uint8_t, kRecordSize> owning(std::initializer_list<std::pair<int, std::uint8_t>> bits)
{
    std::array<std::uint8_t, kRecordSize> mask{};
    for (auto [k, m] : bits)
        mask[static_cast<std::size_t>(k)] = m;
    return mask;
}

std::vector<Field> fields()
{
    return {
        {"mode", owning({{0, 0x07}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setMode(int(g() % 11) - 1); }},
        {"tag", owning({{0, 0xC0}}), [](ChannelRecord& r, std::mt19937& g) { r.setTagOn(g() & 1); }},
        {"split", owning({{1, 0xE0}}), [](ChannelRecord& r, std::mt19937& g) { r.setSplit(g() & 1); }},
        {"shift", owning({{1, 0xE0}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setShift(static_cast<Shift>(g() % 4)); }},
        {"tone mode", owning({{4, 0x03}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setToneMode(static_cast<ToneMode>(g() % 4)); }},
        {"tx mode", owning({{5, 0x38}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setTxMode(int(g() % 11) - 1); }},
        {"skip", owning({{2, 0x80}}), [](ChannelRecord& r, std::mt19937& g) { r.setSkip(g() & 1); }},
        {"ipo", owning({{2, 0x20}}), [](ChannelRecord& r, std::mt19937& g) { r.setIpo(g() & 1); }},
        {"att", owning({{2, 0x10}}), [](ChannelRecord& r, std::mt19937& g) { r.setAtt(g() & 1); }},
        {"narrow", owning({{1, 0x18}}), [](ChannelRecord& r, std::mt19937& g) { r.setNarrow(g() & 1); }},
        {"ssb step", owning({{3, 0xC0}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setTuningStep(StepGroup::Ssb, int(g() % 4)); }},
        {"am step", owning({{3, 0x38}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setTuningStep(StepGroup::Am, int(g() % 8)); }},
        {"fm step", owning({{3, 0x07}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setTuningStep(StepGroup::Fm, int(g() % 8)); }},
        {"ctcss tone", owning({{6, 0x3F}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setCtcssTone(int(g() % 64)); }},
        {"dcs code", owning({{7, 0x7F}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setDcsCode(int(g() % 128)); }},
        {"band codes", owning({{1, 0x07}, {5, 0x07}}),
         [](ChannelRecord& r, std::mt19937&) { r.fitBandCodes(); }},
        {"tone", owning({{6, 0xFF}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setToneNumber(std::uint8_t(g())); }},
        {"dcs", owning({{7, 0xFF}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setDcsNumber(std::uint8_t(g())); }},
        {"rx", owning({{10, 0xFF}, {11, 0xFF}, {12, 0xFF}, {13, 0xFF}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setRxFrequency(static_cast<std::uint32_t>(g())); }},
        {"tx", owning({{14, 0xFF}, {15, 0xFF}, {16, 0xFF}, {17, 0xFF}}),
         [](ChannelRecord& r, std::mt19937& g) { r.setTxFrequency(static_cast<std::uint32_t>(g())); }},
        {"tag text",
         owning({{18, 0xFF},
                 {19, 0xFF},
                 {20, 0xFF},
                 {21, 0xFF},
                 {22, 0xFF},
                 {23, 0xFF},
                 {24, 0xFF},
                 {25, 0xFF}}),
         [](ChannelRecord& r, std::mt19937& g) {
             std::string text(g() % 12, ' ');
             for (char& c : text)
                 c = static_cast<char>(g());
             r.setTag(text);
         }},
    };
}

void fillRandomly(BlockStore& store, std::mt19937& random)
{
    for (int block = 0; block < store.blockCount(); ++block)
        for (int index = 0; index < kBlockColumnSize; ++index)
            store.setByte(index, block, static_cast<std::uint8_t>(random()));
}

TEST(ChannelRecordProperty, DecodingThenWritingBackEveryFieldChangesNothing)
{
    std::mt19937 random(817);
    BlockStore store = zeroStore();
    for (int round = 0; round < 50; ++round) {
        fillRandomly(store, random);
        const BlockStore before = store;
        for (int n = 0; n < kChannelCount; ++n) {
            auto record = ChannelRecord::forChannel(store, n);
            record.setMode(record.mode());
            // A flag pair holding 1 or 2 comes only from the radio; the writers
            // know just "both set" and "both clear", so those are written back.
            if ((record.byte(0) & 0xC0) == 0xC0 || (record.byte(0) & 0xC0) == 0)
                record.setTagOn(record.tagOn());
            record.setTagShown(record.tagShown());
            // Split writes bits 7-5 as 111 or 000: only those patterns read back alike.
            if ((record.byte(1) & 0xE0) == 0xE0 || (record.byte(1) & 0xE0) == 0)
                record.setSplit(record.split());
            record.setToneMode(record.toneMode());
            record.setTxMode(record.txMode());
            record.setToneNumber(static_cast<std::uint8_t>(record.toneNumber()));
            record.setDcsNumber(static_cast<std::uint8_t>(record.dcsNumber()));
            record.setRxFrequency(record.rxFrequency());
            record.setTxFrequency(record.txFrequency());
            record.setTag(record.tag());
            record.setSkip(record.skip());
            record.setIpo(record.ipo());
            record.setAtt(record.att());
            for (const StepGroup group : kStepGroups)
                record.setTuningStep(group, record.tuningStep(group));
            record.setCtcssTone(record.ctcssTone());
            record.setDcsCode(record.dcsCode());
        }
        ASSERT_EQ(store, before) << "round " << round;
    }
}

TEST(ChannelRecordProperty, EachWriterChangesOnlyItsOwnBits)
{
    std::mt19937 random(818);
    BlockStore store = zeroStore();
    for (int round = 0; round < 200; ++round) {
        fillRandomly(store, random);
        for (const Field& field : fields()) {
            const int n = static_cast<int>(random() % kChannelCount);
            const BlockStore before = store;
            auto record = ChannelRecord::forChannel(store, n);
            const auto old = record.bytes();
            field.write(record, random);
            const auto now = record.bytes();
            for (int k = 0; k < kRecordSize; ++k) {
                const auto i = static_cast<std::size_t>(k);
                ASSERT_EQ((old[i] ^ now[i]) & ~field.owned[i], 0)
                    << field.name << " changed record byte " << k << " of channel " << n;
            }
            // And nothing outside the record.
            for (int k = 0; k < kRecordSize; ++k)
                record.setByte(k, old[static_cast<std::size_t>(k)]);
            ASSERT_EQ(store, before) << field.name;
        }
    }
}

} // namespace
} // namespace ft817
