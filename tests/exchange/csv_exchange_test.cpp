// CSV exchange of memory channels: frequency text, export of an image, import
// into a copy, the round trip, and every refusal.

#include "exchange/csv_exchange.h"
#include "exchange/image_diff.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ft817 {
namespace {

// The simulated FT-817's built-in memory: channels written the way real radios write them.
BlockStore defaultStore(sim::Model model = sim::Model::FT817)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n";
// Export's header: the common columns, then this tool's own.
const std::string kExportHeader = kHeader.substr(0, kHeader.size() - 1) + ",TxMode,Narrow,IPO,ATT\n";

// ---- frequency text ----

TEST(CsvText, FrequencyTextInTheRadiosUnits)
{
    EXPECT_EQ(formatMegahertz(14550000), "145.500000");
    EXPECT_EQ(formatMegahertz(60000), "0.600000");
    EXPECT_EQ(formatMegahertz(0), "0.000000");
    EXPECT_EQ(formatMegahertz(4294967295u), "42949.672950");

    struct Good {
        const char* text;
        std::uint32_t value;
    };
    for (const Good& c : {Good{"145.5", 14550000}, Good{"145.500000", 14550000}, Good{" 0.6 ", 60000},
                          Good{".5", 50000}, Good{"7.", 700000}, Good{"7", 700000},
                          Good{"42949.67295", 4294967295u}, Good{"42949.672950", 4294967295u}}) {
        const auto value = parseMegahertz(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
    for (const char* bad :
         {"", "-1", "-0.5", "abc", "1.2.3", "42949.67296", "99999999999", "145.500001", "1e3", "+5", "."}) {
        EXPECT_FALSE(parseMegahertz(bad)) << bad;
    }
}

// ---- export ----

TEST(CsvExport, WritesTheActiveChannelsAsRealRadiosHoldThem)
{
    const std::vector<std::string> rows = lines(exportChannelsCsv(defaultStore()));
    ASSERT_EQ(rows.size(), 1 + sim::defaultChannels().size());
    EXPECT_EQ(rows[0] + "\n", kExportHeader);
    // Simplex, tag shown by bit 7 alone; the FM tuning step 5 kHz.
    EXPECT_EQ(rows[1], "1,CALL 2M,145.500000,,0.000000,,67.0,67.0,023,NN,FM,5.00,,,,,,,,,");
    // Minus shift with tone 88.5 Hz, tag with both bits.
    EXPECT_EQ(rows[2], "2,RPT R7,145.725000,-,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,,,,,,,,,");
    // Tone squelch, no tag flags: the tag text is not a name.
    EXPECT_EQ(rows[3], "3,,438.625000,-,7.600000,TSQL,100.0,100.0,023,NN,FM,5.00,,,,,,,,,");
    EXPECT_EQ(rows[4], "4,PLUS RPT,147.060000,+,0.600000,Tone,123.0,123.0,023,NN,FM,5.00,,,,,,,,,");
    // DIG tunes in the SSB group's steps.
    EXPECT_EQ(rows[5], "5,FT8 20M,14.074000,,0.000000,,67.0,67.0,023,NN,DIG,1.00,,,,,,,,,");
    // Split: the transmit mode in TxMode.
    EXPECT_EQ(rows[9], "13,DX SPLIT,14.195000,split,14.225000,,67.0,67.0,023,NN,USB,1.00,,,,,,USB,,,");
    EXPECT_EQ(rows[10], "58,DCS TEST,145.225000,,0.000000,DTCS,67.0,67.0,036,NN,FM,5.00,,,,,,,,,");
    EXPECT_EQ(rows[12], "151,APRS,144.800000,,0.000000,,67.0,67.0,023,NN,PKT,1.00,,,,,,,,,");
    // The deleted channel 21 still holds a record but is not active.
    for (const std::string& row : rows)
        EXPECT_NE(row.rfind("21,", 0), 0u) << row;
}

TEST(CsvExport, ToneOrCodeOutsideTheTablesIsLeftEmpty)
{
    BlockStore store = defaultStore();
    ChannelRecord record = ChannelRecord::forChannel(store, 0);
    record.setToneNumber(50);
    record.setDcsNumber(120);
    const std::vector<std::string> rows = lines(exportChannelsCsv(store));
    EXPECT_EQ(rows[1], "1,CALL 2M,145.500000,,0.000000,,,,,NN,FM,5.00,,,,,,,,,");
}

// ---- round trip ----

TEST(CsvRoundTrip, ImportingTheExportLeavesTheImageByteIdentical)
{
    BlockStore original = defaultStore();
    // An erased record in use: a frequency the radio does not tune reads back as it is held.
    ChannelRecord::forChannel(original, 199).setRxFrequency(0xFFFFFFFF);
    setChannelActive(original, 199, true);
    const std::string csv = exportChannelsCsv(original);
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    EXPECT_EQ(imported.channels.back(), 199);
    EXPECT_TRUE(imported.store == original);
    EXPECT_EQ(*imported.store.toImageFile(), *original.toImageFile());
    // Into a channel that does not hold it, it is still refused.
    std::string moved = csv;
    moved.replace(moved.rfind("\n200,"), 5, "\n199,");
    const CsvImport refused = importChannelsCsv(original, moved);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.problems.front().reason.find("outside what the FT-817 tunes"), std::string::npos);
}

TEST(CsvRoundTrip, ImportRestoresEveryFieldTheRowCarries)
{
    const BlockStore original = defaultStore();
    const std::string csv = exportChannelsCsv(original);
    // Wipe everything a row describes, and take the channels out of use.
    BlockStore wiped = original;
    for (const sim::DefaultChannel& channel : sim::defaultChannels()) {
        ChannelRecord record = ChannelRecord::forChannel(wiped, channel.number);
        record.setRxFrequency(0);
        record.setTxFrequency(123);
        record.setByte(record::kFlagsByte, record.byte(record::kFlagsByte) & 0x1F);
        record.setByte(record::kToneModeByte, record.byte(record::kToneModeByte) & 0xFC);
        record.setToneNumber(40);
        record.setDcsNumber(90);
        record.setMode(3);
        if (record.tagHighBit())
            record.setTag("XXXXXXXX");
        setChannelActive(wiped, channel.number, false);
    }
    ASSERT_FALSE(wiped == original);
    const CsvImport imported = importChannelsCsv(wiped, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    EXPECT_TRUE(imported.store == original);
}

TEST(CsvRoundTrip, NamesWithCommasQuotesAndLatin1Letters)
{
    BlockStore original = defaultStore();
    ChannelRecord::forChannel(original, 0).setTag("A\"B,C");
    ChannelRecord::forChannel(original, 3).setTag("Caf\xE9");
    const std::string csv = exportChannelsCsv(original);
    EXPECT_NE(csv.find("\"A\"\"B,C\""), std::string::npos);
    EXPECT_NE(csv.find("Caf\xC3\xA9"), std::string::npos); // UTF-8 in the file
    BlockStore other = defaultStore();
    const CsvImport imported = importChannelsCsv(other, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    EXPECT_TRUE(imported.store == original);
}

// ---- import of a hand-written file ----

// A huge field is quoted by its start only, whatever note or refusal names it.
TEST(CsvImport, NotesAndRefusalsQuoteOnlyTheStartOfAHugeField)
{
    const std::string huge(900000, 'N');
    const CsvImport cut =
        importChannelsCsv(defaultStore(), kHeader + "1," + huge + ",145.5,,,,,,,,FM,,,,,,\n");
    ASSERT_TRUE(cut.ok());
    ASSERT_EQ(cut.notes.size(), 1u);
    EXPECT_LT(cut.notes[0].text().size(), 200u);
    EXPECT_NE(cut.notes[0].text().find("(900000 bytes long)"), std::string::npos) << cut.notes[0].text();
    const CsvImport refused =
        importChannelsCsv(defaultStore(), kHeader + "1,A,145.5,,,,,,,," + huge + ",,,,,,\n");
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_LT(refused.problems[0].text().size(), 200u);
}

TEST(CsvImport, HandWrittenRowsGiveTheRecordsRealRadiosWrite)
{
    const BlockStore original = defaultStore();
    const std::string csv = kHeader +
                            "31,Repeater Long Name,145.650000,-,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,,,,,\n"
                            "32,\"Plus, Rpt 2\",29.62,+,0.1,TSQL,67.0,100.0,,NN,FM,,,,,,\n"
                            "33,DX,14.195,split,14.225,,,,,,USB,,,,,,\n"
                            "34,,438.5,,,DTCS,,,754,NN,fm,,,,,,\n"
                            "1,NEW,145.525,,0,,,,,NN,FM,,,,,,\n";
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    EXPECT_EQ(imported.channels, (std::vector<int>{30, 31, 32, 33, 0}));
    ASSERT_EQ(imported.notes.size(), 2u);
    EXPECT_EQ(imported.notes[0].line, 2);
    EXPECT_EQ(imported.notes[1].line, 3);
    const BlockStore& store = imported.store;

    struct Expected {
        int channel;
        std::uint8_t byte0, byte1, byte4, byte5, tone, dcs;
        std::uint32_t rx, tx;
        const char* tag;
    };
    // The unused records start as zeros; channel 1 held 0x85 (FM, tag by bit 7).
    // Byte 1 carries the band code of the frequency; the split channel
    // transmits USB (bits 5-3 of byte 5) on HF (band code 0 in bits 2-0).
    const Expected expected[] = {
        {30, 0xC5, 0x64, 0x01, 0x00, 8, 0, 14565000, 60000, "Repeater"},
        {31, 0xC5, 0xA0, 0x02, 0x00, 12, 0, 2962000, 10000, "Plus, Rp"},
        {32, 0xC1, 0xE0, 0x00, 0x08, 0, 0, 1419500, 1422500, "DX      "},
        {33, 0x05, 0x05, 0x03, 0x00, 0, 103, 43850000, 0, "\0\0\0\0\0\0\0\0"},
        {0, 0x85, 0x04, 0x00, 0x00, 0, 0, 14552500, 0, "NEW     "},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE("channel " + std::to_string(e.channel + 1));
        const ChannelRecordView record = ChannelRecordView::forChannel(store, e.channel);
        const ChannelRecordView before = ChannelRecordView::forChannel(original, e.channel);
        EXPECT_EQ(record.byte(0), e.byte0);
        EXPECT_EQ(record.byte(1), e.byte1);
        EXPECT_EQ(record.byte(4), e.byte4);
        EXPECT_EQ(record.byte(5), e.byte5);
        EXPECT_EQ(record.toneNumber(), e.tone);
        EXPECT_EQ(record.dcsNumber(), e.dcs);
        EXPECT_EQ(record.rxFrequency(), e.rx);
        EXPECT_EQ(record.txFrequency(), e.tx);
        EXPECT_EQ(record.tag(), std::string(e.tag, 8));
        for (const int kept : {2, 3, 8, 9})
            EXPECT_EQ(record.byte(kept), before.byte(kept)) << "byte " << kept;
        EXPECT_TRUE(isChannelActive(store, e.channel));
        EXPECT_TRUE(isSecondBitSet(store, e.channel));
    }

    // Nothing outside the five records and their bitmap bits changed.
    BlockStore rest = store;
    for (const Expected& e : expected) {
        const Location where = channelLocation(e.channel);
        for (int k = 0; k < kRecordSize; ++k)
            rest.setByte(where.index + k, where.block, original.byte(where.index + k, where.block));
        setChannelActive(rest, e.channel, isChannelActive(original, e.channel));
    }
    EXPECT_TRUE(rest == original);
}

TEST(CsvImport, ColumnsAreFoundByNameInAnyOrderAndEmptyRowsAreSkipped)
{
    const BlockStore original = defaultStore();
    const std::string csv =
        "Mode,Frequency,Location,Name,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Extra\n"
        "USB,50.125,41,SIX,,,,,,,whatever\n"
        ",,,,,,,,,,\n"
        ",,,\n";
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    const ChannelRecordView record = ChannelRecordView::forChannel(imported.store, 40);
    EXPECT_EQ(record.mode(), 1);
    EXPECT_EQ(record.rxFrequency(), 5012500u);
    EXPECT_EQ(record.tag(), "SIX     ");
}

// ---- refusals ----

struct BadRow {
    const char* what;
    std::string row;    // written as line 3, between two good rows
    const char* reason; // part of the reported reason
};

void PrintTo(const BadRow& row, std::ostream* out)
{
    *out << row.what;
}

class CsvImportRefuses : public testing::TestWithParam<BadRow> {};

TEST_P(CsvImportRefuses, NamesTheLineAndWritesNothing)
{
    const BlockStore original = defaultStore();
    const std::string csv = kHeader + "41,GOOD,145.5,,,,,,,,FM,,,,,,\n" + GetParam().row + "\n" +
                            "42,GOOD2,145.6,,,,,,,,FM,,,,,,\n";
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_EQ(imported.problems.size(), 1u) << imported.problems.front().text();
    EXPECT_EQ(imported.problems[0].line, 3);
    EXPECT_NE(imported.problems[0].reason.find(GetParam().reason), std::string::npos)
        << imported.problems[0].reason;
    EXPECT_TRUE(imported.channels.empty());
    EXPECT_TRUE(imported.store == original);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfBadRow, CsvImportRefuses,
    testing::Values(BadRow{"ToneNotInTable", "43,X,145.5,,,Tone,88.4,,,,FM,,,,,,", "CTCSS"},
                    BadRow{"CToneNotInTable", "43,X,145.5,,,TSQL,88.5,250.0,,,FM,,,,,,", "CTCSS"},
                    BadRow{"ModeTheRadioLacks", "43,X,145.5,,,,,,,,NFM,,,,,,", "not a mode"},
                    BadRow{"NegativeFrequency", "43,X,-145.5,,,,,,,,FM,,,,,,", "negative"},
                    BadRow{"FrequencyNotANumber", "43,X,abc,,,,,,,,FM,,,,,,", "not a frequency"},
                    BadRow{"FrequencyTooHigh", "43,X,50000,,,,,,,,FM,,,,,,", "above"},
                    BadRow{"FrequencyFinerThan10Hz", "43,X,145.500001,,,,,,,,FM,,,,,,", "10 Hz"},
                    BadRow{"NoFrequency", "43,X,,,,,,,,,FM,,,,,,", "no frequency"},
                    BadRow{"OffsetNotANumber", "43,X,145.5,-,six,,,,,,FM,,,,,,", "Offset"},
                    BadRow{"ShiftWithoutOffset", "43,X,145.5,+,,,,,,,FM,,,,,,", "Offset"},
                    BadRow{"DuplexTheRadioLacks", "43,X,145.5,off,,,,,,,FM,,,,,,", "Duplex"},
                    BadRow{"ToneModeTheRadioLacks", "43,X,145.5,,,Cross,,,,,FM,,,,,,", "Tone must be"},
                    BadRow{"DcsCodeNotInTable", "43,X,145.5,,,DTCS,,,024,NN,FM,,,,,,", "DCS"},
                    BadRow{"ReversedDcs", "43,X,145.5,,,DTCS,,,023,RN,FM,,,,,,", "polarity"},
                    BadRow{"LocationZero", "0,X,145.5,,,,,,,,FM,,,,,,", "Location"},
                    BadRow{"LocationPastTheLast", "201,X,145.5,,,,,,,,FM,,,,,,", "Location"},
                    BadRow{"LocationNotANumber", "x1,X,145.5,,,,,,,,FM,,,,,,", "Location"},
                    BadRow{"LocationOfManyDigits", "5222222171111,X,145.5,,,,,,,,FM,,,,,,", "Location"},
                    BadRow{"TooFewColumns", "43,X,145.5,,,,,,,,FM", "fields"},
                    BadRow{"TooManyColumns", "43,X,145.5,,,,,,,,FM,,,,,,,", "fields"},
                    BadRow{"TextAfterQuote", "43,\"X\"Y,145.5,,,,,,,,FM,,,,,,", "closing quote"},
                    BadRow{"QuoteInsideField", "43,X\"Y,145.5,,,,,,,,FM,,,,,,", "quote"},
                    BadRow{"NameTheTagCannotHold",
                           "43,\xE2\x82\xAC"
                           "uro,145.5,,,,,,,,FM,,,,,,",
                           "Name"},
                    BadRow{"SameChannelTwice", "41,AGAIN,145.5,,,,,,,,FM,,,,,,",
                           "already written by line 2"}),
    [](const testing::TestParamInfo<BadRow>& info) { return std::string(info.param.what); });

// + and - offsets move the transmit frequency: it must stay one the radio tunes.
TEST(CsvImport, RepeaterOffsetsThatTransmitOutsideTheBandsAreRefused)
{
    const BlockStore original = defaultStore();
    for (const char* row : {"43,X,145.0,+,400.0,,,,,,FM,,,,,,", "43,X,145.0,-,146.0,,,,,,FM,,,,,,",
                            "43,X,145.0,+,42000.0,,,,,,FM,,,,,,"}) {
        const CsvImport imported = importChannelsCsv(original, kHeader + row + "\n");
        ASSERT_EQ(imported.problems.size(), 1u) << row;
        EXPECT_NE(imported.problems[0].reason.find("Offset"), std::string::npos)
            << imported.problems[0].reason;
        EXPECT_TRUE(imported.store == original);
    }
    EXPECT_TRUE(importChannelsCsv(original, kHeader + "43,X,145.0,-,0.6,,,,,,FM,,,,,,\n").ok());
}

// A channel erased to 0xFF holds tone 255 and DCS code 255: a row that
// switches them on must give them, and no 42949.67295 MHz transmit frequency stays.
TEST(CsvImport, NothingLeavesAnErasedChannelActiveWithValuesTheRadioLacks)
{
    BlockStore erased = defaultStore();
    ChannelRecord record = ChannelRecord::forChannel(erased, 42);
    for (int k = 0; k < kRecordSize; ++k)
        record.setByte(k, 0xFF);
    for (const char* row : {"43,X,145.5,,,Tone,,,,,FM,,,,,,", "43,X,145.5,,,TSQL,,,,,FM,,,,,,",
                            "43,X,145.5,,,DTCS,,,,NN,FM,,,,,,"}) {
        const CsvImport imported = importChannelsCsv(erased, kHeader + row + "\n");
        ASSERT_EQ(imported.problems.size(), 1u) << row;
        EXPECT_NE(imported.problems[0].reason.find("channel 43 holds no"), std::string::npos)
            << imported.problems[0].reason;
    }
    const CsvImport given = importChannelsCsv(erased, kHeader + "43,X,145.5,,,Tone,88.5,,,,FM,,,,,,\n");
    ASSERT_TRUE(given.ok()) << given.problems.front().text();
    const ChannelRecordView written = ChannelRecordView::forChannel(given.store, 42);
    EXPECT_EQ(written.ctcssTone(), 8);
    EXPECT_EQ(written.byte(6), 0xC8) << "the bits above the tone number stay";
    EXPECT_EQ(written.txFrequency(), 14550000u);
}

// Export writes tags the way import reads them, and an unchanged CSV read
// back changes no byte, even bits no row describes.
TEST(CsvRoundTrip, TagsWithControlBytesAndOddFlagBitsSurviveUnchanged)
{
    BlockStore original = defaultStore();
    ChannelRecord odd = ChannelRecord::forChannel(original, 0);
    odd.setByte(record::kTag + 2, 0x07);
    ChannelRecord repeater = ChannelRecord::forChannel(original, 1);
    // Minus written with bit 5 clear, and tag bit 6 set without bit 7.
    repeater.setByte(record::kFlagsByte,
                     static_cast<std::uint8_t>((repeater.byte(record::kFlagsByte) & 0x1F) | 0x40));
    repeater.setByte(record::kModeByte,
                     static_cast<std::uint8_t>((repeater.byte(record::kModeByte) & 0x3F) | 0x40));

    const std::string csv = exportChannelsCsv(original);
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_TRUE(imported.ok()) << imported.problems.front().text();
    EXPECT_EQ(*imported.store.toImageFile(), *original.toImageFile());
    EXPECT_EQ(lines(csv)[1].substr(0, 10), "1,CA?L 2M,");
}

// Skip, the tuning step, narrow, IPO, ATT and a split channel's transmit mode
// travel in TStep, Skip and this tool's own columns, both ways.
TEST(CsvRoundTrip, SkipStepNarrowIpoAttAndTransmitModeTravelBothWays)
{
    BlockStore original = defaultStore();
    ChannelRecord fm = ChannelRecord::forChannel(original, 0); // 145.500 FM
    fm.setNarrow(true);
    fm.setSkip(true);
    fm.setTuningStep(StepGroup::Fm, 3);
    fm.setCtcssTone(8);
    fm.setByte(6, static_cast<std::uint8_t>(fm.byte(6) | 0x80));   // a bit above the tone number
    ChannelRecord split = ChannelRecord::forChannel(original, 12); // 14.195 split 14.225 USB
    split.setTxMode(2);
    split.setIpo(true);
    split.setAtt(true);
    split.setTuningStep(StepGroup::Ssb, 1);
    const std::vector<std::string> rows = lines(exportChannelsCsv(original));
    EXPECT_EQ(rows[1], "1,CALL 2M,145.500000,,0.000000,,88.5,88.5,023,NN,FM,12.50,S,,,,,,Y,,");
    EXPECT_EQ(rows[9], "13,DX SPLIT,14.195000,split,14.225000,,67.0,67.0,023,NN,USB,2.50,,,,,,CW,,Y,Y");

    // Into the memory with those fields cleared again: the rows give them all back.
    BlockStore cleared = original;
    for (const int channel : {0, 12}) {
        ChannelRecord record = ChannelRecord::forChannel(cleared, channel);
        record.setNarrow(false);
        record.setSkip(false);
        record.setIpo(false);
        record.setAtt(false);
        record.setByte(3, 0);
        record.setTxMode(0);
        record.setCtcssTone(0);
    }
    const CsvImport back = importChannelsCsv(cleared, exportChannelsCsv(original));
    ASSERT_TRUE(back.ok()) << back.problems.front().text();
    EXPECT_TRUE(back.store == original);

    // By hand: a narrow FM row, CW-N, a TStep the mode lacks (told, and kept).
    const std::string header = kExportHeader;
    const CsvImport given =
        importChannelsCsv(defaultStore(), header + "41,,145.6,,,,,,,,FM,6.25,S,,,,,,Y,,Y\n"
                                                   "42,,7.03,,,,,,,,CW,12.5,,,,,,,yes,on,\n"
                                                   "43,,438.5,split,430.5,,,,,,FM,,P,,,,,USB,,,\n");
    ASSERT_TRUE(given.ok()) << given.problems.front().text();
    const ChannelRecordView a = ChannelRecordView::forChannel(given.store, 40);
    EXPECT_TRUE(a.narrow() && a.skip() && a.att() && !a.ipo());
    EXPECT_EQ(a.byte(1) & 0x18, 0x18);
    EXPECT_EQ(a.tuningStep(StepGroup::Fm), 1);
    const ChannelRecordView b = ChannelRecordView::forChannel(given.store, 41);
    EXPECT_TRUE(b.narrow() && b.ipo() && !b.att() && !b.skip());
    EXPECT_EQ(b.tuningStep(StepGroup::Ssb), 0);
    const ChannelRecordView c = ChannelRecordView::forChannel(given.store, 42);
    EXPECT_EQ(c.byte(5), 0x0D) << "USB on 70 cm";
    ASSERT_EQ(given.notes.size(), 2u);
    EXPECT_EQ(given.notes[0].line, 3);
    EXPECT_NE(given.notes[0].reason.find("TStep \"12.5\" kHz is not one of the SSB/CW/DIG/PKT steps "
                                         "(1.00, 2.50, 5.00 kHz); the channel keeps 1.00"),
              std::string::npos)
        << given.notes[0].reason;
    EXPECT_EQ(given.notes[1].line, 4);

    // A mode without a narrow filter, and values the columns do not take.
    for (const char* row : {"41,,14.2,,,,,,,,USB,,,,,,,,Y,,", "41,,14.2,,,,,,,,USB,,X,,,,,,,,",
                            "41,,14.2,,,,,,,,USB,,,,,,,AB,,,", "41,,14.2,,,,,,,,USB,,,,,,,,,maybe,"}) {
        const CsvImport refused = importChannelsCsv(defaultStore(), header + row + "\n");
        EXPECT_EQ(refused.problems.size(), 1u) << row;
    }
    EXPECT_NE(importChannelsCsv(defaultStore(), header + "41,,14.2,,,,,,,,USB,,,,,,,,Y,,\n")
                  .problems.front()
                  .reason.find("USB has no narrow filter"),
              std::string::npos);
}

// The special memories as rows named by their Location, written back by
// import; the 60 m channels keep the frequencies and mode the law gives them.
TEST(CsvSpecials, ExportWritesThemByNameAndImportReadsThemBack)
{
    const BlockStore original = defaultStore(sim::Model::FT817NDUS);
    const std::string csv = exportSpecialsCsv(original);
    const std::vector<std::string> rows = lines(csv);
    ASSERT_EQ(rows.size(), 1u + 42u);
    EXPECT_EQ(rows[0] + "\n", kExportHeader);
    EXPECT_EQ(rows[33], "HOME 144 MHz,,146.000000,,0.000000,,67.0,67.0,023,NN,FM,5.00,,,,,,,,,");
    EXPECT_EQ(rows[38].substr(0, 20), "M-601,,5.332000,,0.0");
    const CsvImport same = importChannelsCsv(original, csv);
    ASSERT_TRUE(same.ok()) << same.problems.front().text();
    EXPECT_EQ(same.specials.size(), 42u);
    EXPECT_TRUE(same.channels.empty());
    EXPECT_TRUE(same.store == original);

    // One row changed: that record alone (its band code follows), and a scan
    // limit out of use is put to use.
    BlockStore unused = original;
    unused.setByte(27, 7, 0x06);
    const CsvImport home = importChannelsCsv(
        unused, kHeader + "HOME 430 MHz,,435.5,,,,,,,,FM,,,,,,\nPMS-L,,144.1,,,,,,,,FM,,,,,,\n");
    ASSERT_TRUE(home.ok()) << home.problems.front().text();
    EXPECT_EQ(home.specials, (std::vector<std::string>{"HOME 430 MHz", "PMS-L"}));
    EXPECT_EQ(describeImageDifferences(unused, home.store),
              (std::vector<std::string>{
                  "HOME 430 MHz: frequency: 433.00000 \u2192 435.50000 MHz",
                  "PMS-L: in use: no \u2192 yes, frequency: 144.00000 \u2192 144.10000 MHz"}));

    // The 60 m channels: a row may set the tag and tones, not the frequencies or the mode.
    const CsvImport fixed = importChannelsCsv(original, kHeader + "M-602,,5.3485,,,,,,,,CW,,,,,,\n"
                                                                  "M-603,,5.4,,,,,,,,USB,,,,,,\n"
                                                                  "M-604,60M,5.373,,,,,,,,USB,,,,,,\n");
    ASSERT_EQ(fixed.problems.size(), 2u);
    EXPECT_EQ(fixed.problems[0].line, 2);
    EXPECT_NE(fixed.problems[0].reason.find("M-602: US law fixes the 60 m channels"), std::string::npos)
        << fixed.problems[0].reason;
    EXPECT_EQ(fixed.problems[1].line, 3);
    EXPECT_TRUE(importChannelsCsv(original, kHeader + "M-604,60M,5.373,,,,,,,,USB,,,,,,\n").ok());
    // Names the model lacks are no Location.
    const CsvImport noSixty = importChannelsCsv(defaultStore(), kHeader + "M-601,,5.332,,,,,,,,USB,,,,,,\n");
    ASSERT_EQ(noSixty.problems.size(), 1u);
    EXPECT_NE(noSixty.problems[0].reason.find("or the name of a special memory"), std::string::npos);
}

// What the Special tab holds fixed, import holds fixed too: a 60 m channel's
// transmit mode, and a band record's or HOME memory's band.
TEST(CsvSpecials, ImportKeepsTheSixtyMetreTxModeAndEachBandsFrequencies)
{
    const BlockStore original = defaultStore(sim::Model::FT817NDUS);
    const std::string header = kExportHeader;
    const CsvImport txMode = importChannelsCsv(original, header + "M-601,,5.332,,,,,,,,USB,,,,,,,FM,,,\n");
    ASSERT_EQ(txMode.problems.size(), 1u);
    EXPECT_NE(txMode.problems[0].reason.find("M-601: US law fixes"), std::string::npos)
        << txMode.problems[0].reason;

    const CsvImport bands = importChannelsCsv(
        original, kHeader + "VFO A 7 MHz,,145.0,,,,,,,,FM,,,,,,\nHOME HF,,433.0,,,,,,,,FM,,,,,,\n");
    ASSERT_EQ(bands.problems.size(), 2u);
    EXPECT_EQ(bands.problems[0].reason,
              "VFO A 7 MHz holds only HF frequencies, 0.1-33 MHz, not 145.00000 MHz");
    EXPECT_EQ(bands.problems[1].reason, "HOME HF holds only HF frequencies, 0.1-33 MHz, not 433.00000 MHz");
    EXPECT_TRUE(importChannelsCsv(original, kHeader + "VFO A 7 MHz,,7.1,,,,,,,,LSB,,,,,,\n").ok());
}

// A row is checked field by field as a table cell is, and told under its column.
TEST(CsvImport, ARowsRefusalNamesTheColumnAndWritesNothingOfTheRow)
{
    const BlockStore original = defaultStore();
    const CsvImport narrow =
        importChannelsCsv(original, kExportHeader + "41,A,145.5,,,,,,,,LSB,,,,,,,,Y,,\n");
    ASSERT_EQ(narrow.problems.size(), 1u);
    EXPECT_EQ(narrow.problems[0].reason, "Narrow Y: LSB has no narrow filter (CW, CWR and FM have)");
    const CsvImport split = importChannelsCsv(original, kHeader + "41,A,145.5,split,59.0,,,,,,FM,,,,,,\n");
    ASSERT_EQ(split.problems.size(), 1u);
    EXPECT_NE(split.problems[0].reason.find("Offset (the split TX frequency): 59.00000 MHz is outside"),
              std::string::npos)
        << split.problems[0].reason;
    EXPECT_EQ(split.store, original);
}

TEST(CsvImport, EveryBadRowIsReportedNotJustTheFirst)
{
    const BlockStore original = defaultStore();
    const std::string csv = kHeader + "41,A,145.5,,,,,,,,FM,,,,,,\n" +
                            "42,B,145.5,,,Tone,88.4,,,,FM,,,,,,\n" + "43,C,145.5,,,,,,,,FM,,,,,,\n" +
                            "44,D,abc,,,,,,,,XYZ,,,,,,\n" + "\"45,E,145.5,,,,,,,,FM,,,,,,\n";
    const CsvImport imported = importChannelsCsv(original, csv);
    ASSERT_EQ(imported.problems.size(), 4u);
    EXPECT_EQ(imported.problems[0].line, 3);
    EXPECT_EQ(imported.problems[1].line, 5); // frequency
    EXPECT_EQ(imported.problems[2].line, 5); // mode
    EXPECT_EQ(imported.problems[3].line, 6); // the quote never closed
    EXPECT_TRUE(imported.store == original);
}

TEST(CsvImport, RefusesAFileWithoutAUsableHeader)
{
    const BlockStore original = defaultStore();
    const CsvImport empty = importChannelsCsv(original, "");
    ASSERT_EQ(empty.problems.size(), 1u);
    EXPECT_EQ(empty.problems[0].line, 1);

    const CsvImport lacking = importChannelsCsv(original, "Location,Frequency\n41,145.5\n");
    ASSERT_EQ(lacking.problems.size(), 1u);
    EXPECT_EQ(lacking.problems[0].line, 1);
    EXPECT_NE(lacking.problems[0].reason.find("Duplex"), std::string::npos);

    const CsvImport headless = importChannelsCsv(original, "41,X,145.5,,,,,,,,FM,,,,,,\n");
    ASSERT_FALSE(headless.ok());
    EXPECT_TRUE(headless.store == original);
}

} // namespace
} // namespace ft817
