// Leaving the editor: Done writes the image file and hands its name to the
// main window; Cancel and the window frame leave without writing.

#include "editor_window_fixture.h"

#include "app/main_window.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"

#include <QSignalSpy>

#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace ft817::test {
namespace {

namespace fs = std::filesystem;

class DoneTest : public EditorWindowTest {
protected:
    // An image with something in every kind of field, and bytes the editor does not own.
    MemoryImage sampleImage()
    {
        MemoryImage image;
        image.setRecord(0, {0xC5, 0xE4, 0x12, 0x34, 0xF1, 0xFA, 8,   23,  0x56, 0x78, 0x00, 0x0A, 0xAE,
                            0x60, 0x00, 0x00, 0xEA, 0x60, 'N',  'E', 'T', ' ',  ' ',  ' ',  ' ',  ' '});
        image.setActive(0);
        image.setActive(57);
        image.setRecord(57, {0x01, 0x00, 0, 0, 0x02, 0, 12, 0, 0, 0, 0x00, 0xDD, 0x8E, 0xC0});
        image.setBand(Vfo::B, 3, 14250000);
        image.setByte(kBandSelectByte, 0x3F);    // VFO A: no band
        image.setByte(kCurrentChannelByte, 201); // a 60 m memory on a US radio
        image.setByte(Location{7, 27}, 0x04);
        return image;
    }
};

TEST_F(DoneTest, LoadingAndSavingAtOnceWritesAByteIdenticalFile)
{
    const std::string path = openImage(sampleImage());
    const Bytes before = fileBytes(path);
    window->present();
    QSignalSpy saved(window.get(), &EditorWindow::saved);
    button("Done")->click();
    EXPECT_TRUE(warnings.empty());
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.at(0).at(0).toString().toStdString(), path);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(DoneTest, SavedImageCarriesTheEditsWithFreshChecksums)
{
    const std::string path = openImage(sampleImage());
    window->state().store.setByte(1 + 10, 8, 0x01); // receive frequency of channel 0
    window->state().store.setByte(200, 8, 0x77);    // beyond block 8's payload: not saved
    button("Done")->click();

    const Bytes file = fileBytes(path);
    Result<BlockStore> reloaded = BlockStore::load(file);
    ASSERT_TRUE(reloaded.ok()) << reloaded.error().full();
    EXPECT_EQ(reloaded->byte(11, 8), 0x01);
    EXPECT_EQ(reloaded->byte(200, 8), 0x00);
    EXPECT_EQ(reloaded->blockLengths(), window->state().store.blockLengths());

    // Block 8 lies after blocks 0..7 (2+40+208+182+208+182+198+53 payload bytes, two more each).
    const std::size_t block8 = 1073 + 8 * 2;
    ASSERT_EQ(file[block8], 8);
    unsigned sum = 0;
    for (std::size_t k = 1; k <= 130; ++k)
        sum += file[block8 + k];
    EXPECT_EQ(file[block8 + 131], static_cast<std::uint8_t>(sum % 256));
}

TEST_F(DoneTest, DoneCommitsTheEntryThatHasTheFocus)
{
    const std::string path = openImage(sampleImage());
    presentAndActivate();
    QLineEdit* frequency = box("CHfreq");
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, "14520000");
    ASSERT_EQ(QApplication::focusWidget(), frequency);
    button("Done")->click(); // as a key would press it, without moving the focus itself

    const Result<BlockStore> written = BlockStore::load(fileBytes(path));
    ASSERT_TRUE(written.ok());
    const ChannelRecordView record = ChannelRecordView::forChannel(*written, 0);
    EXPECT_EQ(record.rxFrequency(), 14520000u);
}

TEST_F(DoneTest, CancelWritesNothingAndKeepsTheEditsInMemory)
{
    const std::string path = openImage(sampleImage());
    const Bytes before = fileBytes(path);
    window->present();
    window->state().store.setByte(5, 9, 0xAB);
    QSignalSpy left(window.get(), &EditorWindow::left);
    QSignalSpy saved(window.get(), &EditorWindow::saved);
    button("Cancel")->click();
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(saved.count(), 0);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(window->state().store.byte(5, 9), 0xAB);
}

TEST_F(DoneTest, ClosingThroughTheFrameIsCancel)
{
    const std::string path = openImage(sampleImage());
    const Bytes before = fileBytes(path);
    window->present();
    QSignalSpy left(window.get(), &EditorWindow::left);
    window->close();
    EXPECT_EQ(left.count(), 1);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(fileBytes(path), before);
}

// A place where no file can be made: a read-only folder, or for the
// superuser (whom folder permissions do not stop) the kernel's /sys; on
// Windows, where a read-only folder still takes new files, a "folder" that
// is a file.
std::string unwritableFolder(const TempDir& folder)
{
#ifdef _WIN32
    const fs::path file = folder.path() / "a file, not a folder";
    std::ofstream(file) << "x";
    return file.string();
#else
    if (::geteuid() == 0)
        return "/sys";
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    return locked.string();
#endif
}

TEST_F(DoneTest, FailedSaveWarnsStaysOpenAndKeepsTheEdits)
{
    const std::string path = openImage(sampleImage());
    const Bytes before = fileBytes(path);
    ASSERT_TRUE(writeWholeFile(folder.file("plain.txt"), Bytes{'x'}).ok());
    window->present();
    window->state().store.setByte(20, 12, 0x42);
    QSignalSpy saved(window.get(), &EditorWindow::saved);

    const std::string unwritable[] = {
        folder.file("no-such-folder/image.bin"),
        unwritableFolder(folder) + "/ft817-image.bin",
        folder.file("plain.txt/image.bin"),
        folder.path().string(),
        "",
    };
    for (const std::string& target : unwritable) {
        SCOPED_TRACE(target);
        warnings.clear();
        box("Savename")->setText(QString::fromStdString(target));
        button("Done")->click();
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_TRUE(warnings[0].contains("still here")) << warnings[0].toStdString();
        EXPECT_FALSE(window->isHidden());
        EXPECT_EQ(saved.count(), 0);
        EXPECT_EQ(window->state().store.byte(20, 12), 0x42);
        EXPECT_EQ(box("Savename")->text().toStdString(), target);
    }
    EXPECT_FALSE(fs::exists(folder.file("no-such-folder")));
    EXPECT_EQ(fileBytes(path), before);

    // A good name afterwards saves the edits that survived.
    box("Savename")->setText(QString::fromStdString(path));
    button("Done")->click();
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(BlockStore::load(fileBytes(path))->byte(20, 12), 0x42);
}

// Done follows the rule of every command that writes: a read-only image is
// refused with the reason, and the file Done replaces is kept in the history.
TEST_F(DoneTest, ReadOnlyImageIsRefusedAndTheReplacedFileIsKept)
{
    const std::string path = openImage(sampleImage());
    const Bytes before = fileBytes(path);
    window->present();
    window->state().store.setByte(20, 12, 0x42);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    button("Done")->click();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].contains("the file is read-only")) << warnings[0].toStdString();
    EXPECT_EQ(fileBytes(path), before);

    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    button("Done")->click();
    const fs::path history = historyFolder();
    // An earlier copy kept in the same second (all tests in one process, as on
    // Windows) makes this one's name end in "-2" before its extension.
    const std::string replaced = "_replaced_" + fs::path(path).stem().string();
    bool kept = false;
    for (const auto& entry : fs::directory_iterator(history))
        kept = kept || (entry.path().filename().string().find(replaced) != std::string::npos &&
                        fileBytes(entry.path().string()) == before);
    EXPECT_TRUE(kept);
}

TEST_F(DoneTest, WarningBoxDoesNotBlockOnTheOffscreenScreen)
{
    openImage(sampleImage());
    window->setWarningReporter({});
    window->present();
    box("Savename")->setText(QString::fromStdString(folder.file("missing/x.bin")));
    button("Done")->click();
    EXPECT_FALSE(window->isHidden());
    QWidget* box = window->findChild<QWidget*>("SaveWarning");
    ASSERT_NE(box, nullptr);
    box->close();
    window->hide();
}

// The whole way through the main window: Edit, then Done or Cancel.
class DoneWithMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<MainWindow>(qtSerialDevice("/nonexistent"));
        path = image.writeTo(folder.file("radio.bin"));
        main->findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(path));
        main->show();
        main->findChild<QPushButton*>("Command3")->click();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "Form2")
                editor = qobject_cast<EditorWindow*>(top);
        ASSERT_NE(editor, nullptr);
        editor->setWarningReporter([this](const QString& message) { warnings.push_back(message); });
        ASSERT_TRUE(editor->isVisible());
        ASSERT_TRUE(main->isHidden());
    }
    QString mainPath() const { return main->findChild<QLineEdit*>("Text1")->text(); }
    template <class T> T* editorWidget(const char* name) { return editor->findChild<T*>(name); }

    TempDir folder;
    MemoryImage image;
    std::string path;
    std::unique_ptr<MainWindow> main;
    EditorWindow* editor = nullptr;
    std::vector<QString> warnings;
};

TEST_F(DoneWithMainWindowTest, DoneToANewNameCreatesItAndTheMainWindowNamesIt)
{
    const std::string copy = folder.file("edited copy.bin");
    editor->state().store.setByte(3, 10, 0x99);
    editorWidget<QLineEdit>("Savename")->setText(QString::fromStdString(copy));
    editorWidget<QPushButton>("Done")->click();
    EXPECT_TRUE(warnings.empty());
    ASSERT_TRUE(fs::exists(copy));
    EXPECT_EQ(BlockStore::load(fileBytes(copy))->byte(3, 10), 0x99);
    EXPECT_EQ(BlockStore::load(fileBytes(path))->byte(3, 10), 0x00) << "the loaded file is left alone";
    EXPECT_EQ(mainPath().toStdString(), copy);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(editor->isHidden());
}

TEST_F(DoneWithMainWindowTest, CancelLeavesTheFileAndTheMainWindowsName)
{
    const Bytes before = fileBytes(path);
    editor->state().store.setByte(3, 10, 0x99);
    editorWidget<QLineEdit>("Savename")->setText(QString::fromStdString(folder.file("other.bin")));
    editorWidget<QPushButton>("Cancel")->click();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(fs::exists(folder.file("other.bin")));
    EXPECT_EQ(mainPath().toStdString(), path);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(editor->isHidden());
}

TEST_F(DoneWithMainWindowTest, FailedSaveKeepsTheEditorUpAndTheMainWindowHidden)
{
    editorWidget<QLineEdit>("Savename")->setText(QString::fromStdString(folder.file("gone/radio.bin")));
    editorWidget<QPushButton>("Done")->click();
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(main->isHidden());
    EXPECT_EQ(mainPath().toStdString(), path);
}

} // namespace
} // namespace ft817::test
