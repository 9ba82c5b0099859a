// Edit: loading an image file into the editor and filling its window.

#include "editor_window_fixture.h"

#include <filesystem>

namespace ft817::test {
namespace {

using EditTest = EditorWindowTest;

TEST_F(EditTest, FillsTheListsAndTheSaveName)
{
    MemoryImage image;
    image.setActive(0);
    const std::string path = openImage(image);
    const QStringList modes = {"LSB", "USB", "CW", "CWR", "AM", "FM", "DIG", "PKT", ""};
    for (const char* name : {"CHmode", "CHTmode"}) {
        QStringList entries;
        for (int k = 0; k < list(name)->count(); ++k)
            entries << list(name)->itemText(k);
        EXPECT_EQ(entries, modes) << name;
    }
    ASSERT_EQ(list("CHoffset")->count(), 3);
    EXPECT_EQ(list("CHoffset")->itemText(1), "-RPT");
    EXPECT_EQ(list("CHoffset")->itemText(2), "+RPT");
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
    EXPECT_EQ(list("Home")->count(), 0);
    EXPECT_EQ(box("Savename")->text().toStdString(), path);
}

TEST_F(EditTest, BandListsShowEveryBandFrequencyRightAligned)
{
    MemoryImage image;
    for (int band = 0; band < 15; ++band) {
        image.setBand(Vfo::A, band, 100000u * static_cast<std::uint32_t>(band + 1));
        image.setBand(Vfo::B, band, 14250000u + static_cast<std::uint32_t>(band));
    }
    image.setBand(Vfo::A, 14, 0);
    openImage(image);
    ASSERT_EQ(list("VFOAs")->count(), 15);
    ASSERT_EQ(list("VFOBs")->count(), 15);
    EXPECT_EQ(list("VFOAs")->itemText(0), "   100000");
    EXPECT_EQ(list("VFOAs")->itemText(9), "  1000000");
    EXPECT_EQ(list("VFOAs")->itemText(14), "   0");
    EXPECT_EQ(list("VFOBs")->itemText(3), " 14250003");
}

TEST_F(EditTest, BandSelectByteChoosesTheEntryOfEachVfo)
{
    const struct {
        std::uint8_t select;
        int a, b;
    } cases[] = {{0x2A, 10, 2}, {0x00, 0, 0}, {0xE1, 1, 14}, {0x0F, -1, 0}, {0xF3, 3, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.select);
        MemoryImage image;
        image.setByte(kBandSelectByte, c.select);
        openImage(image);
        EXPECT_EQ(list("VFOAs")->currentIndex(), c.a);
        EXPECT_EQ(list("VFOBs")->currentIndex(), c.b);
    }
}

TEST_F(EditTest, VfoSelectByteTicksOneVfoBox)
{
    const struct {
        std::uint8_t select;
        bool a;
    } cases[] = {{0xFE, true}, {0x01, false}, {0x00, true}, {0x81, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.select);
        MemoryImage image;
        image.setByte(kVfoSelectByte, c.select);
        openImage(image);
        EXPECT_EQ(check("VFOAck")->isChecked(), c.a);
        EXPECT_EQ(check("VFOBck")->isChecked(), !c.a);
    }
}

TEST_F(EditTest, OpensOnTheRadiosCurrentChannel)
{
    const struct {
        std::uint8_t current;
        const char* shown;
        int block, offset;
    } cases[] = {{0, " 1", 8, 1}, {199, " 200", 47, 105}, {12, " 13", 10, 53}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        MemoryImage image;
        image.setByte(kCurrentChannelByte, c.current);
        openImage(image);
        EXPECT_EQ(box("CHnum")->text(), c.shown);
        EXPECT_EQ(window->state().currentChannel, c.current);
        EXPECT_EQ(window->state().recordLocation().block, c.block);
        EXPECT_EQ(window->state().recordLocation().index, c.offset);
    }
}

// A US radio holds 200 and above while a 60 m memory is selected; no memory
// channel has that number, so the editor opens on channel 1 and keeps the byte.
TEST_F(EditTest, CurrentChannelByteOfTwoHundredOrMoreOpensChannelOne)
{
    MemoryImage image;
    image.setByte(kCurrentChannelByte, 203);
    openImage(image);
    EXPECT_EQ(box("CHnum")->text(), " 1");
    EXPECT_EQ(window->state().currentChannel, 0);
    EXPECT_EQ(ft817::currentChannelByte(window->state().store), 203);
}

// The radio shows a tag when bit 7 of byte 0 is set: so does the editor on
// the channel it opens on and on every later visit.
TEST_F(EditTest, TagFollowsBitSevenOnEveryVisit)
{
    MemoryImage image;
    image.setByte(kCurrentChannelByte, 4);
    image.setRecord(4, {0x85, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    int k = 18;
    for (char c : std::string("HOME    "))
        image.channel(4).setByte(k++, static_cast<std::uint8_t>(c));
    image.setActive(4);
    openImage(image);
    EXPECT_TRUE(check("Tagck")->isChecked());
    EXPECT_TRUE(shown("CHtext"));
    EXPECT_EQ(box("CHtext")->text(), "HOME    ");
    EXPECT_TRUE(check("Chact")->isChecked());

    const BlockStore before = window->state().store;
    window->displayChannel();
    EXPECT_TRUE(check("Tagck")->isChecked());
    EXPECT_TRUE(shown("CHtext"));
    EXPECT_TRUE(window->state().store == before);
}

// Active shows the channel's bit in the active bitmap, on the first channel too.
TEST_F(EditTest, OpeningChannelWhoseBitIsClearIsShownInactive)
{
    MemoryImage image;
    image.setByte(kCurrentChannelByte, 2);
    image.setRecord(2, {0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    openImage(image);
    EXPECT_FALSE(check("Chact")->isChecked());
    EXPECT_EQ(box("CHfreq")->text(), "");
    EXPECT_EQ(list("CHmode")->currentIndex(), -1);
    EXPECT_FALSE(isChannelActive(window->state().store, 2)) << "opening changes no bitmap";
}

TEST_F(EditTest, OpeningDcsChannelClearsToneLeftFromTheEditBefore)
{
    MemoryImage toneImage;
    toneImage.setRecord(0, {0x05, 0, 0, 0, 0x01, 0, 8});
    toneImage.setActive(0);
    openImage(toneImage, "tone.bin");
    ASSERT_TRUE(check("CTCSSck")->isChecked());

    MemoryImage dcsImage;
    dcsImage.setRecord(0, {0x05, 0, 0, 0, 0x03, 0, 8, 23});
    dcsImage.setActive(0);
    openImage(dcsImage, "dcs.bin");
    EXPECT_TRUE(check("DCSck")->isChecked());
    EXPECT_FALSE(check("CTCSSck")->isChecked());
    EXPECT_FALSE(check("CTCSSmute")->isChecked());
    EXPECT_TRUE(shown("DCS"));
    EXPECT_FALSE(shown("CTCSS"));
    EXPECT_EQ(box("DCS")->text(), " 23");
}

TEST_F(EditTest, OpeningChangesNothingInTheLoadedImage)
{
    MemoryImage image;
    image.setByte(kCurrentChannelByte, 1);
    image.setRecord(
        1, {0xC5, 0xE4, 9, 9, 0xFE, 0x03, 49, 103, 1, 2, 0x00, 0xDD, 0x8E, 0xC0, 0x00, 0x00, 0xEA, 0x60});
    image.setActive(1);
    openImage(image);
    EXPECT_TRUE(window->state().store == image.store);
}

TEST_F(EditTest, EditCancelEditRefillsTheListsInsteadOfAddingToThem)
{
    MemoryImage first;
    first.setBand(Vfo::A, 0, 350000);
    first.setByte(kVfoSelectByte, 0x01);
    openImage(first, "first.bin");
    window->present();
    button("Cancel")->click();

    MemoryImage second;
    second.setActive(0);
    second.setBand(Vfo::A, 0, 14250000);
    second.setByte(kVfoSelectByte, 0x00);
    openImage(second, "second.bin");
    const std::pair<const char*, int> counts[] = {{"CHmode", 9}, {"CHTmode", 9}, {"CHoffset", 3},
                                                  {"VFOAs", 15}, {"VFOBs", 15},  {"Home", 0}};
    for (auto [name, count] : counts)
        EXPECT_EQ(list(name)->count(), count) << name;
    EXPECT_EQ(list("VFOAs")->itemText(0), " 14250000");
    EXPECT_TRUE(check("VFOAck")->isChecked());
    EXPECT_FALSE(check("VFOBck")->isChecked());
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
}

// CHoffset names the channel's own shift, on opening and on every visit.
TEST_F(EditTest, OffsetListShowsTheChannelsShift)
{
    MemoryImage image;
    image.setRecord(0, {0x05, 0xA5});
    image.setRecord(1, {0x05, 0x64});
    image.setRecord(2, {0x05, 0x04});
    for (int n : {0, 1, 2})
        image.setActive(n);
    openImage(image);
    EXPECT_EQ(list("CHoffset")->currentText(), "+RPT");
    list("CHoffset")->setCurrentIndex(0);
    openImage(image);
    EXPECT_EQ(list("CHoffset")->currentText(), "+RPT");
    window->state().currentChannel = 1;
    window->displayChannel();
    EXPECT_EQ(list("CHoffset")->currentText(), "-RPT");
    window->state().currentChannel = 2;
    window->displayChannel();
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
}

// The lists are editable: text typed into one is gone after the next Edit.
TEST_F(EditTest, TextTypedIntoTheListsIsGoneAfterTheNextEdit)
{
    MemoryImage image;
    image.setRecord(0, {0x05});
    image.setActive(0);
    openImage(image);
    for (const char* name : {"Home", "CHoffset", "VFOAs", "VFOBs", "CHmode"})
        list(name)->setEditText("typed");
    openImage(image);
    EXPECT_TRUE(list("Home")->currentText().isEmpty()) << list("Home")->currentText().toStdString();
    EXPECT_EQ(list("Home")->count(), 0);
    EXPECT_EQ(list("CHoffset")->currentText(), "SMPX");
    EXPECT_EQ(list("VFOAs")->currentText(), "   0");
    EXPECT_EQ(list("VFOBs")->currentText(), "   0");
    EXPECT_EQ(list("CHmode")->currentText(), "FM");
}

// A file that cannot be loaded leaves the editor as it was: the image loaded
// before, the channel on show and every list.
TEST_F(EditTest, FileThatCannotBeLoadedChangesNothing)
{
    MemoryImage image;
    image.setRecord(0, {0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0A, 0xAE, 0x60});
    image.setActive(0);
    image.setBand(Vfo::A, 0, 7050000);
    const std::string loaded = openImage(image);
    window->state().store.setByte(30, 8, 0x5A); // an edit not yet saved
    const BlockStore before = window->state().store;

    // A short image: only 20 blocks.
    std::vector<Bytes> payloads(20, Bytes(130, 0));
    const std::string shortImage = folder.file("short.bin");
    ASSERT_TRUE(writeWholeFile(shortImage, *BlockStore::fromPayloads(payloads)->toImageFile()).ok());
    const std::string empty = folder.file("empty.bin");
    ASSERT_TRUE(writeWholeFile(empty, Bytes{}).ok());
    const std::string text = folder.file("notes.txt");
    ASSERT_TRUE(writeWholeFile(text, Bytes{'h', 'e', 'l', 'l', 'o', '\n'}).ok());
    const std::string missing = folder.file("missing.bin");

    for (const std::string& path : {missing, empty, text, shortImage, folder.path().string()}) {
        SCOPED_TRACE(path);
        const Status opened = window->edit(QString::fromStdString(path));
        ASSERT_FALSE(opened.ok());
        EXPECT_FALSE(opened.error().message.empty());
        EXPECT_TRUE(window->state().store == before);
        EXPECT_EQ(box("Savename")->text().toStdString(), loaded);
        EXPECT_EQ(list("VFOAs")->itemText(0), "  7050000");
        EXPECT_EQ(box("CHfreq")->text(), "700000");
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "Edit never creates the file it reads";
}

TEST_F(EditTest, EditNeverWritesTheFileItReads)
{
    MemoryImage image;
    image.setByte(kCurrentChannelByte, 250);
    const std::string path = image.writeTo(folder.file("image.bin"));
    const Bytes before = fileBytes(path);
    const auto stamp = std::filesystem::last_write_time(path);
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    ASSERT_TRUE(window->edit(QString::fromStdString(path)).ok()) << "a read-only file opens";
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
}

TEST_F(EditTest, PresentPutsTheFocusOnDone)
{
    MemoryImage image;
    openImage(image);
    presentAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), button("Done"));

    box("Savename")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box("Savename"));
    button("Cancel")->click();
    openImage(image);
    presentAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), button("Done"));
    window->hide();
}

} // namespace
} // namespace ft817::test
