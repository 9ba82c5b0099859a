// Stepping through the channels, typing a channel number, the six flag boxes
// and the two VFO boxes, driven through the real widgets.

#include "handlers_fixture.h"

namespace ft817::test {
namespace {

using NavigationTest = HandlersTest;

TEST_F(NavigationTest, ArrowsWrapAroundBothEnds)
{
    image.setByte(kCurrentChannelByte, 199);
    open();
    EXPECT_EQ(box("CHnum")->text(), " 200");
    click("Chup");
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(box("CHnum")->text(), " 1");
    click("Chdown");
    EXPECT_EQ(box("CHnum")->text(), " 200");
    click("Chdown");
    EXPECT_EQ(box("CHnum")->text(), " 199");
    click("Chup");
    click("Chup");
    EXPECT_EQ(box("CHnum")->text(), " 1");
}

TEST_F(NavigationTest, TypedChannelNumberIsClampedOnEnter)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"0", " 1"},      {"-5", " 1"},    {"abc", " 1"}, {"", " 1"},    {"250", " 200"}, {" 17", " 17"},
        {"12abc", " 12"}, {"200", " 200"}, {"2.5", " 2"}, {"3.5", " 4"}, {"1e2", " 1"},   {"+30", " 30"},
    };
    image.setByte(kCurrentChannelByte, 99);
    open();
    for (const auto& c : cases) {
        goTo(98);
        typeAndEnter("CHnum", c.typed);
        EXPECT_EQ(box("CHnum")->text(), c.shown) << '"' << c.typed << '"';
        EXPECT_EQ(current() + 1, QString(c.shown).trimmed().toInt()) << '"' << c.typed << '"';
        EXPECT_EQ(focused(), box("CHnum"));
    }
}

TEST_F(NavigationTest, TypedChannelTakesEffectOnlyOnEnterOrFocusLoss)
{
    open();
    type("CHnum", "57");
    EXPECT_EQ(current(), 0);
    QTest::keyClick(box("CHnum"), Qt::Key_Tab);
    EXPECT_EQ(current(), 56);
    EXPECT_EQ(box("CHnum")->text(), " 57");
    type("CHnum", "58");
    click("Done"); // the focus loss takes the number before Done's click writes the file
    EXPECT_EQ(current(), 57);
}

TEST_F(NavigationTest, ShowingAnActiveChannelMakesItTheCurrentOne)
{
    image.setActive(20);
    image.setByte(kCurrentChannelByte, 5);
    open();
    goTo(19); // inactive: the current-channel byte stays
    EXPECT_EQ(at(7, 1), 5);
    click("Chup");
    EXPECT_EQ(at(7, 1), 20);
}

TEST_F(NavigationTest, ClearingActiveChangesOnlyTheChannelsBitInBothBitmaps)
{
    image.setActive(8);
    image.setRecord(8, {0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    image.setByte({7, 3}, 0xFF);
    image.setByte({7, 28}, 0x5A);
    image.setByte({7, 29}, 0xFF);
    image.setByte({7, 30}, 0xA5);
    image.setByte({7, 27}, 0x04);
    image.setByte({7, 53}, 0x77);
    image.setByte(kCurrentChannelByte, 8);
    open();
    const BlockStore before = window->state().store;
    click("Chact");
    EXPECT_EQ(at(7, 3), 0xFE);
    EXPECT_EQ(at(7, 29), 0xFE); // the radio's second bitmap starts at index 28
    EXPECT_EQ(at(7, 28), 0x5A);
    EXPECT_EQ(at(7, 30), 0xA5);
    EXPECT_EQ(at(7, 27), 0x04);
    EXPECT_EQ(at(7, 53), 0x77);
    BlockStore expected = before;
    expected.setByte(3, 7, 0xFE);
    expected.setByte(29, 7, 0xFE);
    EXPECT_TRUE(window->state().store == expected);
    EXPECT_FALSE(check("Chact")->isChecked());
    EXPECT_EQ(box("CHfreq")->text(), "");
    EXPECT_EQ(list("CHmode")->currentIndex(), -1);
}

TEST_F(NavigationTest, CheckingActiveOnAnInactiveChannelShowsItsRecord)
{
    image.setRecord(41, {0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xDD, 0x8E, 0xC0});
    image.setByte(kCurrentChannelByte, 3);
    open();
    goTo(41);
    EXPECT_EQ(box("CHfreq")->text(), "");
    click("Chact");
    EXPECT_TRUE(isChannelActive(window->state().store, 41));
    EXPECT_TRUE(isSecondBitSet(window->state().store, 41));
    EXPECT_EQ(box("CHfreq")->text(), "14520000");
    EXPECT_EQ(list("CHmode")->currentText(), "CW");
    EXPECT_EQ(at(7, 1), 41);
}

// Tag writes bit 7 of byte 0 alone: the mode and the radio's bit 6 stay.
TEST_F(NavigationTest, ClearingTagKeepsTheModeAndBitSix)
{
    image.setActive(0);
    image.setRecord(0, {0xC5});
    open();
    EXPECT_TRUE(check("Tagck")->isChecked());
    click("Tagck");
    EXPECT_EQ(rec(0, 0), 0x45);
    EXPECT_FALSE(shown("CHtext"));
    click("Tagck");
    EXPECT_EQ(rec(0, 0), 0xC5);
    EXPECT_TRUE(shown("CHtext"));
}

// Split writes the radio's split, byte 1 bits 7-5 = 111, and simplex (000) when cleared.
TEST_F(NavigationTest, CheckingSplitSetsTheRadiosSplitAndFocusesTransmitFrequency)
{
    image.setActive(0);
    image.setRecord(0, {0x00, 0x12});
    open();
    EXPECT_FALSE(shown("CHTfreq"));
    click("Chsplit");
    EXPECT_EQ(rec(0, 1), 0xF2);
    EXPECT_TRUE(shown("CHTfreq"));
    EXPECT_TRUE(shown("CHTmode"));
    EXPECT_EQ(focused(), box("CHTfreq"));
    click("Chsplit");
    EXPECT_EQ(rec(0, 1), 0x12);
    EXPECT_FALSE(shown("CHTfreq"));
}

TEST_F(NavigationTest, SplitOnAnInactiveChannelWritesOnlyTheFlags)
{
    // The display hides the transmit box that just got the focus; that focus
    // loss must not store the emptied box into the record.
    image.setRecord(6, {0, 0x12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x02, 0x03, 0x04});
    open();
    goTo(6);
    const BlockStore before = window->state().store;
    click("Chsplit");
    BlockStore expected = before;
    expected.setByte(channelLocation(6).index + 1, channelLocation(6).block, 0xF2);
    EXPECT_TRUE(window->state().store == expected);
    EXPECT_FALSE(check("Chsplit")->isChecked());
    EXPECT_FALSE(shown("CHTfreq"));
}

TEST_F(NavigationTest, ToneBoxesExcludeEachOther)
{
    image.setActive(0);
    image.setRecord(0, {0, 0, 0, 0, 0x01, 0, 12});
    open();
    EXPECT_TRUE(check("CTCSSck")->isChecked());
    click("CTCSSmute");
    EXPECT_EQ(rec(0, 4), 0x02);
    EXPECT_FALSE(check("CTCSSck")->isChecked());
    EXPECT_TRUE(check("CTCSSmute")->isChecked());
    EXPECT_TRUE(shown("CTCSS"));
    click("DCSck");
    EXPECT_EQ(rec(0, 4), 0x03);
    EXPECT_FALSE(check("CTCSSmute")->isChecked());
    EXPECT_TRUE(shown("DCS"));
    EXPECT_FALSE(shown("CTCSS"));
    click("CTCSSck");
    EXPECT_EQ(rec(0, 4), 0x01);
    EXPECT_FALSE(check("DCSck")->isChecked());
    click("CTCSSck");
    EXPECT_EQ(rec(0, 4), 0x00);
    EXPECT_FALSE(shown("CTCSS"));
}

TEST_F(NavigationTest, ToneModeWritersKeepTheHighBits)
{
    image.setActive(0);
    image.setRecord(0, {0, 0, 0, 0, 0xF3});
    open();
    click("DCSck");
    EXPECT_EQ(rec(0, 4), 0xF0);
    EXPECT_FALSE(shown("DCS"));
    window->state().store.setByte(channelLocation(0).index + 4, 8, 0xFE);
    window->displayChannel();
    click("CTCSSck");
    EXPECT_EQ(rec(0, 4), 0xFD);
    click("CTCSSck");
    EXPECT_EQ(rec(0, 4), 0xFC);
}

TEST_F(NavigationTest, SpaceBarOnAFlagBoxIsAClick)
{
    image.setActive(0);
    open();
    named("Tagck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(named("Tagck"), Qt::Key_Space);
    EXPECT_EQ(rec(0, 0), 0x80);
}

TEST_F(NavigationTest, FlagHandlersWorkOnInactiveChannels)
{
    image.setRecord(2, {0x01, 0x00, 0, 0, 0x00});
    open();
    goTo(2);
    click("Tagck");
    EXPECT_EQ(rec(2, 0), 0x81);
    EXPECT_FALSE(check("Tagck")->isChecked()); // shown again as inactive
    EXPECT_FALSE(shown("CHtext"));
    click("CTCSSmute");
    EXPECT_EQ(rec(2, 4), 0x02);
    EXPECT_FALSE(check("CTCSSmute")->isChecked());
}

TEST_F(NavigationTest, VfoBoxesSelectOnFocusAndMoveOn)
{
    image.setActive(0);
    image.setRecord(0, {0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    image.setByte(kVfoSelectByte, 0x80);
    open();
    const BlockStore before = window->state().store;
    EXPECT_TRUE(check("VFOAck")->isChecked());
    named("VFOBck")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(at(1, 1), 0x81);
    EXPECT_EQ(focused(), list("VFOBs"));
    EXPECT_TRUE(check("VFOBck")->isChecked());
    EXPECT_FALSE(check("VFOAck")->isChecked());
    named("VFOAck")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(at(1, 1), 0x80);
    EXPECT_EQ(focused(), list("VFOAs"));
    EXPECT_TRUE(window->state().store == before);
    EXPECT_EQ(box("CHfreq")->text(), "700000");
    EXPECT_EQ(box("CHnum")->text(), " 1");
}

// Tab from Done crosses every control and comes back to Done: a VFO box
// reached by Tab is a stop on the way (Space selects its VFO), so the focus
// is not sent back into the VFO lists.
TEST_F(NavigationTest, TabFromDoneReachesEveryControlAndComesBack)
{
    image.setActive(0);
    image.setByte(kVfoSelectByte, 0x80);
    open();
    named("Done")->setFocus(Qt::OtherFocusReason);
    QStringList reached;
    for (int k = 0; k < 40 && (k == 0 || focused() != named("Done")); ++k) {
        reached << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    EXPECT_EQ(focused(), named("Done")) << reached.join(" ").toStdString();
    for (const char* name :
         {"VFOAs", "VFOBs", "VFOAck", "VFOBck", "Home", "CHnum", "CHfreq", "Savename", "Cancel"})
        EXPECT_TRUE(reached.contains(name)) << name << " in " << reached.join(" ").toStdString();
    EXPECT_EQ(at(1, 1), 0x80) << "passing the VFO boxes selects no VFO";
    named("VFOBck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(at(1, 1), 0x81);
    EXPECT_TRUE(check("VFOBck")->isChecked());
    EXPECT_FALSE(check("VFOAck")->isChecked());
}

TEST_F(NavigationTest, MouseClickOnAVfoBoxLeavesItChecked)
{
    image.setByte(kVfoSelectByte, 0xFE);
    open();
    click("VFOBck");
    EXPECT_TRUE(check("VFOBck")->isChecked());
    EXPECT_FALSE(check("VFOAck")->isChecked());
    EXPECT_EQ(at(1, 1), 0xFF);
    EXPECT_EQ(focused(), list("VFOBs"));
    click("VFOAck");
    EXPECT_TRUE(check("VFOAck")->isChecked());
    EXPECT_FALSE(check("VFOBck")->isChecked());
    EXPECT_EQ(at(1, 1), 0xFE);
}

TEST_F(NavigationTest, ShowingAChannelRunsNoFlagHandler)
{
    image.setActive(0);
    image.setRecord(0, {0xC5, 0xC0, 0, 0, 0x01});
    image.setActive(1);
    image.setRecord(1, {0x45, 0xE0, 0, 0, 0x03});
    open();
    click("Chup");
    EXPECT_EQ(rec(1, 0), 0x45);
    EXPECT_EQ(rec(1, 1), 0xE0);
    EXPECT_EQ(rec(1, 4), 0x03);
    EXPECT_TRUE(check("Chsplit")->isChecked());
    EXPECT_FALSE(check("Tagck")->isChecked());
    EXPECT_TRUE(check("DCSck")->isChecked());
    EXPECT_FALSE(check("CTCSSck")->isChecked());
    EXPECT_EQ(rec(0, 0), 0xC5);
    EXPECT_EQ(rec(0, 4), 0x01);
}

TEST_F(NavigationTest, ArrowClickCommitsTheFocusedModeListToTheChannelLeft)
{
    image.setActive(0);
    image.setActive(1);
    image.setRecord(0, {0xC2});
    image.setRecord(1, {0x41});
    open();
    choose("CHmode", 5);
    click("Chup");
    EXPECT_EQ(rec(0, 0), 0xC5);
    EXPECT_EQ(rec(1, 0), 0x41);
    EXPECT_EQ(list("CHmode")->currentText(), "USB");
}

} // namespace
} // namespace ft817::test
