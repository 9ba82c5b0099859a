// Frequency, tone, DCS, tag and mode entry, driven through the real widgets:
// what each commit stores, what the box then shows, where the focus goes, and
// the order of commits when the person moves on.

#include "handlers_fixture.h"

namespace ft817::test {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

class EntryTest : public HandlersTest {
protected:
    // An active channel 0 with a split record and recognisable bytes everywhere.
    void openSplitChannel()
    {
        image.setActive(0);
        image.setRecord(0, {0xC5, 0xE4, 0x33, 0x44, 0xF1, 0xFA, 0x08, 0x17, 0x88, 0x99, 0x00, 0x0A, 0xAE,
                            0x60, 0x00, 0x0B, 0x00, 0x00, 'N',  'E',  'T',  ' ',  ' ',  ' ',  ' ',  ' '});
        open();
    }
    std::array<std::uint8_t, kRecordSize> record(int n)
    {
        return ChannelRecordView::forChannel(window->state().store, n).bytes();
    }
};

TEST_F(EntryTest, FrequencyTextsStoreTheirBytesOnEnter)
{
    const struct {
        const char* text;
        Bytes4 bytes;
    } cases[] = {
        {"  700000", {0x00, 0x0A, 0xAE, 0x60}},  {"14520000", {0x00, 0xDD, 0x8E, 0xC0}},
        {"99999999", {0x05, 0xF5, 0xE0, 0xFF}},  {"123456789", {0x01, 0x65, 0xEC, 0x15}},
        {"7000000.5", {0x00, 0x00, 0x00, 0x00}}, {"7000000x", {0x00, 0x6A, 0xCF, 0xC0}},
        {"x7000000", {0x00, 0x00, 0x00, 0x00}},  {"", {0x00, 0x00, 0x00, 0x00}},
        {"144.5", {0x00, 0x00, 0x00, 0x90}},     {"145.5", {0x00, 0x00, 0x00, 0x92}},
    };
    openSplitChannel();
    for (const auto& c : cases) {
        typeAndEnter("CHfreq", c.text);
        EXPECT_EQ(frequency(0, 10), c.bytes) << '"' << c.text << '"';
    }
}

TEST_F(EntryTest, NegativeFrequencyLeavesTheStoredBytes)
{
    openSplitChannel();
    const auto before = record(0);
    typeAndEnter("CHfreq", "-5");
    EXPECT_EQ(record(0), before);
    EXPECT_EQ(box("CHfreq")->text(), "700000"); // the display shows what is stored
    type("CHTfreq", "-1234567");
    click("Done");
    EXPECT_EQ(record(0), before);
}

TEST_F(EntryTest, EnterInReceiveFrequencyMovesFocusBySplit)
{
    openSplitChannel();
    typeAndEnter("CHfreq", "14520000");
    EXPECT_EQ(focused(), box("CHTfreq"));
    EXPECT_EQ(box("CHfreq")->text(), "14520000");
    click("Chsplit"); // split off
    typeAndEnter("CHfreq", "7050000");
    EXPECT_EQ(focused(), box("CHnum"));
    EXPECT_EQ(frequency(0, 10), (Bytes4{0x00, 0x6B, 0x93, 0x10}));
}

TEST_F(EntryTest, EnterInTransmitFrequencyWritesOnlyItsBytesAndFocusesChannelNumber)
{
    openSplitChannel();
    const auto before = record(0);
    typeAndEnter("CHTfreq", "14520000");
    EXPECT_EQ(focused(), box("CHnum"));
    auto expected = before;
    expected[14] = 0x00;
    expected[15] = 0xDD;
    expected[16] = 0x8E;
    expected[17] = 0xC0;
    EXPECT_EQ(record(0), expected);
    EXPECT_EQ(box("CHTfreq")->text(), "14520000");
}

TEST_F(EntryTest, FocusLossCommitsAndRedisplays)
{
    openSplitChannel();
    type("CHfreq", "  700100");
    QTest::keyClick(box("CHfreq"), Qt::Key_Tab);
    EXPECT_EQ(frequency(0, 10), (Bytes4{0x00, 0x0A, 0xAE, 0xC4}));
    EXPECT_EQ(box("CHfreq")->text(), "700100");
    EXPECT_EQ(focused(), list("CHmode"));
}

TEST_F(EntryTest, LongStoredFrequencyIsCutWhenCommittedAgain)
{
    image.setActive(0);
    image.setRecord(0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x07, 0x5B, 0xCD, 0x15}); // 123456789
    open();
    EXPECT_EQ(box("CHfreq")->text(), "123456789");
    QTest::mouseClick(box("CHfreq"), Qt::LeftButton);
    enter("CHfreq");
    EXPECT_EQ(frequency(0, 10), (Bytes4{0x01, 0x65, 0xEC, 0x15})); // 23456789
}

TEST_F(EntryTest, LeavingTheEmptyFrequencyOfAnInactiveChannelStoresZero)
{
    image.setRecord(4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x02, 0x03, 0x04});
    open();
    goTo(4);
    EXPECT_EQ(box("CHfreq")->text(), "");
    QTest::mouseClick(box("CHfreq"), Qt::LeftButton);
    click("Chup");
    EXPECT_EQ(frequency(4, 10), (Bytes4{0, 0, 0, 0}));
    EXPECT_EQ(current(), 5);
}

TEST_F(EntryTest, ToneAndCodeBoxesClampOnTheirText)
{
    const struct {
        const char* name;
        const char* typed;
        const char* shown;
        int byte;
        std::uint8_t stored;
    } cases[] = {
        {"CTCSS", "50", "49", 6, 49},     {"DCS", "104", "103", 7, 103},  {"CTCSS", "-3", "0", 6, 0},
        {"DCS", "-3", "0", 7, 0},         {"CTCSS", "49.4", "49", 6, 49}, {"CTCSS", "12.5", "12.5", 6, 12},
        {"CTCSS", "13.5", "13.5", 6, 14}, {"CTCSS", "", "", 6, 0},        {"DCS", "abc", "abc", 7, 0},
        {"CTCSS", "8", "8", 6, 8},        {"DCS", "23", "23", 7, 23},     {"DCS", "1e9", "1e9", 7, 1},
    };
    image.setActive(0);
    image.setRecord(0, {0, 0, 0, 0, 0x01, 0, 0x11, 0x22});
    open();
    for (const auto& c : cases) {
        // Show the box the case types into.
        window->state().store.setByte(channelLocation(0).index + 4, 8, c.byte == 6 ? 0x01 : 0x03);
        window->displayChannel();
        const auto before = record(0);
        typeAndEnter(c.name, c.typed);
        EXPECT_EQ(box(c.name)->text(), c.shown) << c.name << " \"" << c.typed << '"';
        EXPECT_EQ(focused(), box(c.name)) << "a commit does not move the focus";
        auto expected = before;
        expected[static_cast<std::size_t>(c.byte)] = c.stored;
        EXPECT_EQ(record(0), expected) << c.name << " \"" << c.typed << '"';
    }
}

TEST_F(EntryTest, ToneBoxCommitsOnFocusLossWithoutRedisplay)
{
    image.setActive(0);
    image.setRecord(0, {0, 0, 0, 0, 0x02, 0, 0x11});
    open();
    type("CTCSS", "12.5");
    click("CTCSSmute"); // the click takes the focus first: the box commits, then Mute is cleared
    EXPECT_EQ(rec(0, 6), 12);
    EXPECT_EQ(rec(0, 4), 0x00);
}

TEST_F(EntryTest, TagIsPaddedStoredAndPutBack)
{
    openSplitChannel();
    const auto before = record(0);
    typeAndEnter("CHtext", "ABC");
    EXPECT_EQ(box("CHtext")->text(), "ABC     ");
    auto expected = before;
    const std::uint8_t abc[] = {0x41, 0x42, 0x43, 0x20, 0x20, 0x20, 0x20, 0x20};
    std::copy(std::begin(abc), std::end(abc), expected.begin() + 18);
    EXPECT_EQ(record(0), expected);

    typeAndEnter("CHtext", "");
    EXPECT_EQ(box("CHtext")->text(), "        ");
    for (int k = 18; k < 26; ++k)
        EXPECT_EQ(rec(0, k), 0x20);

    typeAndEnter("CHtext", "REPEATER");
    EXPECT_EQ(box("CHtext")->text(), "REPEATER");
    EXPECT_EQ(rec(0, 18), 'R');
    EXPECT_EQ(rec(0, 25), 'R');
    EXPECT_EQ(rec(0, 0), 0xC5); // the tag flags stay
}

TEST_F(EntryTest, TagCommitsOnFocusLossAndStoresLatin1)
{
    openSplitChannel();
    type("CHtext", "");
    // Characters beyond ASCII have no key of their own here: put them in as an input method would.
    box("CHtext")->insert(QString::fromUtf8("\xC3\x85x\xE2\x82\xAC"));
    click("Done");
    EXPECT_EQ(rec(0, 18), 0xC5);
    EXPECT_EQ(rec(0, 19), 'x');
    EXPECT_EQ(rec(0, 20), '?');
    EXPECT_EQ(rec(0, 21), ' ');
}

TEST_F(EntryTest, ModeIsStoredWhenTheListLosesTheFocus)
{
    image.setActive(0);
    image.setRecord(0, {0xC2, 0, 0, 0, 0, 0x3B});
    open();
    choose("CHmode", 5);
    EXPECT_EQ(rec(0, 0), 0xC2) << "picking an entry stores nothing yet";
    click("Chact");
    click("Chact"); // back to active (the display then shows the stored mode)
    EXPECT_EQ(rec(0, 0), 0xC5);
    EXPECT_EQ(list("CHmode")->currentText(), "FM");
    EXPECT_EQ(rec(0, 5), 0x3B);

    choose("CHmode", 8);
    click("Done");
    EXPECT_EQ(rec(0, 0), 0xC0);
}

TEST_F(EntryTest, TransmitModeChangesOnlyByteFive)
{
    openSplitChannel();
    const auto before = record(0);
    choose("CHTmode", 6);
    click("Done");
    auto expected = before;
    expected[5] = 0xF2; // DIG into bits 5-3 of 0xFA; the band code and bits 7-6 stay
    EXPECT_EQ(record(0), expected);
}

TEST_F(EntryTest, ListWithNothingSelectedStoresSeven)
{
    image.setRecord(9, {0x80});
    open();
    goTo(9);
    EXPECT_EQ(list("CHmode")->currentIndex(), -1);
    QTest::mouseClick(list("CHmode"), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(focused(), list("CHmode"));
    click("Done");
    EXPECT_EQ(rec(9, 0), 0x87);
}

TEST_F(EntryTest, TextTypedIntoAModeListLeavesNoEntrySelected)
{
    image.setActive(0);
    image.setRecord(0, {0x41});
    open();
    choose("CHmode", 4);
    QTest::keyClicks(list("CHmode"), "x");
    click("Done");
    EXPECT_EQ(rec(0, 0), 0x47);
}

TEST_F(EntryTest, OpeningTheDropDownIsNoFocusLoss)
{
    image.setActive(0);
    image.setRecord(0, {0x41});
    open();
    choose("CHmode", 2);
    list("CHmode")->showPopup();
    EXPECT_EQ(rec(0, 0), 0x41);
    list("CHmode")->setCurrentIndex(3);
    list("CHmode")->hidePopup();
    EXPECT_EQ(rec(0, 0), 0x41);
    click("Done");
    EXPECT_EQ(rec(0, 0), 0x43);
}

TEST_F(EntryTest, DoneWritesTheEntryBeingTyped)
{
    openSplitChannel();
    const std::string path = folder.file("image.bin");
    type("CHfreq", "43312500");
    click("Done");
    const Result<BlockStore> saved = BlockStore::load(fileBytes(path));
    ASSERT_TRUE(saved.ok());
    const ChannelRecordView record = ChannelRecordView::forChannel(*saved, 0);
    EXPECT_EQ(record.rxFrequency(), 43312500u);
}

TEST_F(EntryTest, EnterThenTheFocusLossItCausesStoreTheSameBytes)
{
    openSplitChannel();
    typeAndEnter("CHfreq", "  700000");
    EXPECT_EQ(frequency(0, 10), (Bytes4{0x00, 0x0A, 0xAE, 0x60}));
    typeAndEnter("CHTfreq", "14520000");
    click("Done");
    EXPECT_EQ(frequency(0, 10), (Bytes4{0x00, 0x0A, 0xAE, 0x60}));
    EXPECT_EQ(frequency(0, 14), (Bytes4{0x00, 0xDD, 0x8E, 0xC0}));
}

// CHoffset sets the radio's shift; an offset of 0 gets the band's usual one,
// which the transmit box then shows and names as the offset.
TEST_F(EntryTest, OffsetListSetsTheShiftWithTheBandsUsualOffset)
{
    image.setActive(0);
    image.setRecord(0, {0x05, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xDE, 0x5B, 0xD4}); // 145.725 MHz
    open();
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
    EXPECT_FALSE(shown("CHTfreq"));
    choose("CHoffset", 1);
    named("Savename")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(rec(0, 1), 0x64);
    EXPECT_EQ(frequency(0, 14), (Bytes4{0x00, 0x00, 0xEA, 0x60}));
    EXPECT_TRUE(shown("CHTfreq"));
    EXPECT_EQ(box("CHTfreq")->text(), "60000");
    EXPECT_EQ(label("CHTfreqMeaning")->text(), "Offset \u22120.60000 MHz, sends on 145.12500 MHz");
    choose("CHoffset", 0);
    named("Savename")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(rec(0, 1), 0x04);
    EXPECT_FALSE(shown("CHTfreq"));
}

// Beside each number, what it means to the radio; a frequency the radio
// cannot tune says so; each VFO line names its band.
TEST_F(EntryTest, LabelsSayWhatTheNumbersMean)
{
    image.setActive(0);
    image.setRecord(0, {0x05, 0, 0, 0, 0x01, 0, 8, 0, 0, 0, 0x00, 0xDE, 0x5B, 0xD4});
    open();
    EXPECT_EQ(label("CHfreqMeaning")->text(), "145.72500 MHz");
    EXPECT_EQ(label("ToneMeaning")->text(), "88.5 Hz");
    typeAndEnter("CHfreq", "145.520");
    EXPECT_EQ(label("CHfreqMeaning")->text(), "0.00146 MHz \u2014 the radio does not tune this");
    type("CHfreq", "14572500");
    EXPECT_EQ(label("CHfreqMeaning")->text(), "145.72500 MHz") << "the label follows the typing";
    click("DCSck");
    EXPECT_EQ(label("ToneMeaning")->text(), "DCS 023");
    EXPECT_EQ(list("VFOAs")->itemData(12, Qt::ToolTipRole).toString(), "VFO A 144 MHz");
    EXPECT_EQ(list("VFOBs")->itemData(0, Qt::ToolTipRole).toString(), "VFO B 1.8 MHz");
}

} // namespace
} // namespace ft817::test
