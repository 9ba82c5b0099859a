// Showing a channel: what the window shows for a record, and that
// showing changes nothing in the loaded image but the current-channel byte.

#include "editor_window_fixture.h"

#include <QImage>
#include <QPixmap>

namespace ft817::test {
namespace {

class ChannelDisplayTest : public EditorWindowTest {
protected:
    // Opens an image whose current channel is 0 and whose channels are as the test set them.
    void open() { openImage(image); }
    int currentChannelByte() const { return ft817::currentChannelByte(window->state().store); }
    // The store as it should be after showing channel n: only the current-channel byte may differ.
    void expectStoreUnchangedButCurrentChannel(const BlockStore& before, int expectedCurrent)
    {
        BlockStore expected = before;
        setCurrentChannel(expected, expectedCurrent);
        EXPECT_TRUE(window->state().store == expected);
    }

    MemoryImage image;
};

TEST_F(ChannelDisplayTest, ActiveFmChannelWithoutSplitToneOrTag)
{
    image.setRecord(3, {0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    image.setActive(3);
    image.setByte(kCurrentChannelByte, 77);
    open();
    display(3);

    EXPECT_EQ(box("CHnum")->text(), " 4");
    EXPECT_TRUE(check("Chact")->isChecked());
    EXPECT_EQ(list("CHmode")->currentText(), "FM");
    EXPECT_EQ(box("CHfreq")->text(), "700000");
    EXPECT_FALSE(check("Chsplit")->isChecked());
    EXPECT_FALSE(shown("CHTfreq"));
    EXPECT_FALSE(shown("CHTmode"));
    EXPECT_FALSE(shown("CTCSS"));
    EXPECT_FALSE(shown("DCS"));
    for (const char* tone : {"CTCSSck", "CTCSSmute", "DCSck", "Tagck"})
        EXPECT_FALSE(check(tone)->isChecked()) << tone;
    EXPECT_FALSE(shown("CHtext"));
    EXPECT_EQ(currentChannelByte(), 3);
    EXPECT_EQ(window->state().recordLocation().block, 8);
    EXPECT_EQ(window->state().recordLocation().index, 79);
}

TEST_F(ChannelDisplayTest, FrequenciesAreShownUnsignedInPlainDecimal)
{
    const struct {
        std::initializer_list<std::uint8_t> bytes;
        const char* text;
    } cases[] = {
        {{0x80, 0x00, 0x00, 0x00}, "2147483648"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        {{0x00, 0x00, 0x00, 0x00}, "0"},
        {{0x00, 0xDD, 0x8E, 0xC0}, "14520000"},
    };
    image.setActive(10);
    image.channel(10).setByte(1, 0xE0);
    open();
    for (const auto& c : cases) {
        int k = 0;
        for (std::uint8_t b : c.bytes) {
            window->state().store.setByte(channelLocation(10).index + 10 + k, channelLocation(10).block, b);
            window->state().store.setByte(channelLocation(10).index + 14 + k, channelLocation(10).block, b);
            ++k;
        }
        display(10);
        EXPECT_EQ(box("CHfreq")->text(), c.text);
        EXPECT_EQ(box("CHTfreq")->text(), c.text);
    }
}

TEST_F(ChannelDisplayTest, InactiveChannelShowsItsNumberAndNothingElse)
{
    image.setRecord(
        7, {0xC5, 0xC0, 0, 0, 0x01, 0x02, 12, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60, 0x00, 0x0A, 0xAE, 0x61});
    image.setActive(6);
    image.setByte(kCurrentChannelByte, 6);
    open();
    display(6);
    const BlockStore before = window->state().store;
    display(7);

    EXPECT_EQ(box("CHnum")->text(), " 8");
    EXPECT_FALSE(check("Chact")->isChecked());
    EXPECT_TRUE(box("CHfreq")->text().isEmpty());
    EXPECT_TRUE(box("CHTfreq")->text().isEmpty());
    EXPECT_EQ(list("CHmode")->currentIndex(), -1);
    EXPECT_TRUE(list("CHmode")->currentText().isEmpty());
    for (const char* hidden : {"CHTfreq", "CHTmode", "CTCSS", "DCS", "CHtext"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    for (const char* cleared : {"Chsplit", "CTCSSck", "CTCSSmute", "DCSck", "Tagck"})
        EXPECT_FALSE(check(cleared)->isChecked()) << cleared;
    // The record's place is set even for an inactive channel, for the entries made there.
    EXPECT_EQ(window->state().recordLocation().block, 9);
    EXPECT_EQ(window->state().recordLocation().index, 53);
    EXPECT_TRUE(window->state().store == before) << "an inactive channel changes no byte";
}

// Byte 1 bits 7-5 together: 111 is split, 011 and 101 a repeater shift whose
// offset the transmit box shows, 110 (as some real special memories hold) simplex.
TEST_F(ChannelDisplayTest, ShiftIsReadAsTheRadioReadsIt)
{
    image.setRecord(0,
                    {0x02, 0xE0, 0, 0, 0, 0x20, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60, 0x00, 0x0A, 0xC1, 0xE8});
    // 145.725 MHz, minus 600 kHz, as a real radio holds a repeater channel.
    image.setRecord(1, {0x05, 0x64, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xDE, 0x5B, 0xD4, 0x00, 0x00, 0xEA, 0x60});
    image.setRecord(2, {0x02, 0xC0});
    for (int n : {0, 1, 2})
        image.setActive(n);
    open();
    display(0);
    EXPECT_TRUE(check("Chsplit")->isChecked());
    EXPECT_TRUE(shown("CHTfreq"));
    EXPECT_TRUE(shown("CHTmode"));
    EXPECT_EQ(box("CHTfreq")->text(), "705000");
    EXPECT_EQ(list("CHTmode")->currentText(), "AM");
    EXPECT_EQ(window->state().store.byte(channelLocation(0).index + 1, 8), 0xE0);

    display(1);
    EXPECT_FALSE(check("Chsplit")->isChecked());
    EXPECT_EQ(list("CHoffset")->currentText(), "-RPT");
    EXPECT_TRUE(shown("CHTfreq"));
    EXPECT_FALSE(shown("CHTmode"));
    EXPECT_EQ(box("CHTfreq")->text(), "60000");
    EXPECT_EQ(label("CHTfreqMeaning")->text(), "Offset \u22120.60000 MHz, sends on 145.12500 MHz");

    display(2);
    EXPECT_FALSE(check("Chsplit")->isChecked());
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
    EXPECT_FALSE(shown("CHTfreq"));
}

TEST_F(ChannelDisplayTest, HiddenTransmitFrequencyKeepsItsText)
{
    image.setRecord(0, {0x00, 0xE0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 99});
    image.setRecord(1, {0x00, 0x00});
    image.setActive(0);
    image.setActive(1);
    open();
    display(0);
    display(1);
    EXPECT_FALSE(shown("CHTfreq"));
    EXPECT_EQ(box("CHTfreq")->text(), "99");
}

TEST_F(ChannelDisplayTest, ExactlyTheToneBoxOfTheToneModeIsChecked)
{
    const struct {
        std::uint8_t byte4;
        bool tone, mute, dcs;
        const char* ctcss; // nullptr: hidden
        const char* code;  // nullptr: hidden
    } cases[] = {
        {0x00, false, false, false, nullptr, nullptr}, {0xFD, true, false, false, " 12", nullptr},
        {0x02, false, true, false, " 12", nullptr},    {0x03, false, false, true, nullptr, " 23"},
        {0xFC, false, false, false, nullptr, nullptr},
    };
    for (int n = 0; n < 5; ++n) {
        image.setRecord(n, {0x01, 0, 0, 0, cases[n].byte4, 0, 12, 23});
        image.setActive(n);
    }
    image.setActive(5);
    image.setRecord(5, {0x01, 0, 0, 0, 0x01, 0, 7, 0});
    open();
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE(n);
        display(5); // Tone checked before every case
        ASSERT_TRUE(check("CTCSSck")->isChecked());
        display(n);
        EXPECT_EQ(check("CTCSSck")->isChecked(), cases[n].tone);
        EXPECT_EQ(check("CTCSSmute")->isChecked(), cases[n].mute);
        EXPECT_EQ(check("DCSck")->isChecked(), cases[n].dcs);
        EXPECT_EQ(shown("CTCSS"), cases[n].ctcss != nullptr);
        EXPECT_EQ(shown("DCS"), cases[n].code != nullptr);
        if (cases[n].ctcss) {
            EXPECT_EQ(box("CTCSS")->text(), cases[n].ctcss);
        }
        if (cases[n].code) {
            EXPECT_EQ(box("DCS")->text(), cases[n].code);
        }
    }
}

// The radio shows the tag when bit 7 of byte 0 is set, whatever bit 6 holds.
TEST_F(ChannelDisplayTest, TagFollowsBitSeven)
{
    image.setActive(1);
    image.setActive(2);
    image.setActive(3);
    image.setRecord(1, {0x40});
    image.setRecord(2, {0xC0});
    image.setRecord(3, {0x85});
    for (int n : {1, 2, 3}) {
        int k = 18;
        for (char c : std::string("ABC     "))
            image.channel(n).setByte(k++, static_cast<std::uint8_t>(c));
    }
    open();

    display(1);
    EXPECT_FALSE(check("Tagck")->isChecked());
    EXPECT_FALSE(shown("CHtext"));

    display(2);
    EXPECT_TRUE(check("Tagck")->isChecked());
    EXPECT_TRUE(shown("CHtext"));
    EXPECT_EQ(box("CHtext")->text(), "ABC     ");

    const BlockStore before = window->state().store;
    display(3);
    EXPECT_TRUE(check("Tagck")->isChecked());
    EXPECT_TRUE(shown("CHtext"));
    EXPECT_EQ(list("CHmode")->currentText(), "FM");
    expectStoreUnchangedButCurrentChannel(before, 3);
}

TEST_F(ChannelDisplayTest, TagCharactersAreSingleBytes)
{
    image.setActive(0);
    image.setRecord(0, {0xC0});
    const std::uint8_t tag[8] = {'K', 0xE9, '-', '1', ' ', 0xFF, '~', 0x20};
    for (int k = 0; k < 8; ++k)
        image.channel(0).setByte(18 + k, tag[k]);
    open();
    display(0);
    EXPECT_EQ(box("CHtext")->text(), QString::fromLatin1(reinterpret_cast<const char*>(tag), 8));
    EXPECT_EQ(box("CHtext")->text().size(), 8);
}

// Every kind of channel, shown once and again, in a row after each other:
// none of the states the display gives the boxes reaches the image.
TEST_F(ChannelDisplayTest, ShowingChannelsChangesNothingButTheCurrentChannelByte)
{
    image.setRecord(0, {0x05, 0x00, 0x11, 0x22, 0x00, 0x00, 0, 0, 0x33, 0x44, 0x00, 0x0A, 0xAE, 0x60});
    image.setRecord(1, {0xC5, 0x40, 0,    0,    0xFD, 0x03, 8,   0,   0,   0,   0x00, 0xDD, 0x8E,
                        0xC0, 0x00, 0xDC, 0x0A, 0x50, 'R',  'E', 'P', 'E', 'A', 'T',  'E',  'R'});
    image.setRecord(2, {0x85, 0x80, 0, 0, 0xFE, 0x00, 49, 103});
    image.setRecord(3, {0x02, 0xE4, 0, 0, 0x03, 0x07, 0, 23, 0, 0, 0x00, 0x0A, 0xC1, 0xE8});
    image.setRecord(4, {0xC1, 0x00, 0, 0, 0x02, 0x00, 12});
    image.setRecord(5, {0xC5, 0xC0, 0, 0, 0x03, 0x02, 1, 2}); // inactive
    for (int n : {0, 1, 2, 3, 4})
        image.setActive(n);
    image.setByte(kCurrentChannelByte, 0);
    open();

    BlockStore expected = window->state().store;
    for (int n : {1, 1, 2, 5, 3, 4, 5, 0, 0, 4, 2, 1, 5}) {
        SCOPED_TRACE(n);
        display(n);
        if (isChannelActive(expected, n))
            setCurrentChannel(expected, n);
        EXPECT_TRUE(window->state().store == expected);
        EXPECT_EQ(currentChannelByte(), ft817::currentChannelByte(expected));
    }
}

TEST_F(ChannelDisplayTest, ShowingTheSameChannelTwiceGivesTheSameWindow)
{
    image.setRecord(9, {0xC3, 0xC0, 0,    0,    0x01, 0x06, 33,   0,    0,   0,
                        0x00, 0x0A, 0xAE, 0x60, 0x00, 0x0A, 0xAE, 0x61, 'X', 'Y'});
    image.setActive(9);
    open();
    auto snapshot = [this] {
        QStringList state;
        for (QLineEdit* field : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            state << field->objectName() + "=" + field->text() + (field->isHidden() ? " hidden" : "");
        for (QCheckBox* flag : window->findChildren<QCheckBox*>())
            state << flag->objectName() + (flag->isChecked() ? " on" : " off");
        for (QComboBox* choice : window->findChildren<QComboBox*>())
            state << choice->objectName() + "#" + QString::number(choice->currentIndex()) +
                         (choice->isHidden() ? " hidden" : "");
        return state;
    };
    display(9);
    const QStringList first = snapshot();
    const BlockStore afterFirst = window->state().store;
    display(9);
    EXPECT_EQ(snapshot(), first);
    EXPECT_TRUE(window->state().store == afterFirst);
}

TEST_F(ChannelDisplayTest, ActiveToInactiveAndBackKeepsBothBitmaps)
{
    image.setActive(20);
    image.setActive(22);
    image.setRecord(20, {0x05});
    image.setRecord(22, {0x05});
    open();
    const BlockStore before = window->state().store;
    for (int n : {20, 21, 22, 21, 20}) {
        display(n);
        for (int index = 2; index <= 53; ++index)
            EXPECT_EQ(window->state().store.byte(index, 7), before.byte(index, 7)) << "index " << index;
    }
}

// Pictures of the window for people to look at: an active, an inactive, a split and a DCS channel.
TEST_F(ChannelDisplayTest, WindowPicturesOfFourKindsOfChannel)
{
    image.setRecord(0, {0xC5, 0x00, 0, 0, 0x01, 0x00, 8,   0,   0,   0,   0x00, 0xDD, 0x8E,
                        0xC0, 0,    0, 0, 0,    'G',  'B', '3', 'R', 'E', 'P',  ' ',  ' '});
    image.setRecord(
        2, {0x05, 0xC0, 0, 0, 0x00, 0x05, 0, 0, 0, 0, 0x00, 0xDD, 0x8E, 0xC0, 0x00, 0xDC, 0x0A, 0x50});
    image.setRecord(3, {0x02, 0x00, 0, 0, 0x03, 0x00, 0, 23, 0, 0, 0x05, 0xF5, 0xE0, 0xFF});
    for (int n : {0, 2, 3})
        image.setActive(n);
    const std::uint32_t bands[15] = {180000,  350000,  700000,   1010000,  1400000, 1806800, 2100000, 2489000,
                                     2800000, 5000000, 14400000, 43000000, 0,       7050000, 14250000};
    for (int band = 0; band < 15; ++band) {
        image.setBand(Vfo::A, band, bands[band]);
        image.setBand(Vfo::B, band, bands[14 - band]);
    }
    image.setByte(kBandSelectByte, 0x2A);
    open();
    window->show();
    // Into the test's own folder: fixed names in a shared /tmp collide with
    // other runs and other users.
    const std::pair<int, const char*> pictures[] = {
        {0, "editor-active.png"}, {1, "editor-inactive.png"}, {2, "editor-split.png"}, {3, "editor-dcs.png"}};
    for (auto [n, name] : pictures) {
        display(n);
        const QPixmap picture = window->grab();
        EXPECT_EQ(picture.size(), QSize(423, 312));
        const QString path = QString::fromStdString(folder.file(name));
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }
    window->hide();
}

} // namespace
} // namespace ft817::test
