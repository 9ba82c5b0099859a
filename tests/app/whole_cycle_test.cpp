// The owner's whole road through the windows against the simulated radio:
// Download, Edit (one frequency typed), Done, Upload. The radio must receive
// exactly the image that Done wrote, whatever letters the files are named in.

#include "app/main_window.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include "top_level.h"
#include <QApplication>
#include <QLineEdit>

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

using test::topLevel;

// Download into downloadName, Edit, Done under editedName, Upload that file.
void downloadEditDoneUpload(const std::string& downloadName, const std::string& editedName,
                            TransferTiming timing = TransferTiming::Standard)
{
    test::TempDir dir;
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.setTransferTiming(timing);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* path = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLineEdit*>("Text2");
    path->setText(QString::fromStdString(dir.file(downloadName)));

    // Download, started by a click on the button (the focus it gains).
    QSignalSpy finished(&window, &MainWindow::transferFinished);
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 6609  50");

    // Edit: the editor replaces the main window and shows the radio's channel.
    QTest::mouseClick(window.findChild<QWidget*>("Command3"), Qt::LeftButton);
    QWidget* editor = topLevel("Form2");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible()) << status->text().toStdString();
    EXPECT_FALSE(window.isVisible());
    editor->activateWindow();
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));

    // Type a new frequency and press Enter, then save under a new name.
    auto* frequency = editor->findChild<QLineEdit*>("CHfreq");
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, "43312500");
    QTest::keyClick(frequency, Qt::Key_Return);
    auto* savename = editor->findChild<QLineEdit*>("Savename");
    savename->setText(QString::fromStdString(dir.file(editedName)));
    QTest::mouseClick(editor->findChild<QWidget*>("Done"), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(path->text().toStdString(), dir.file(editedName));

    const auto downloaded = readWholeFile(dir.file(downloadName));
    const auto edited = readWholeFile(dir.file(editedName));
    ASSERT_TRUE(downloaded.ok() && edited.ok());
    ASSERT_EQ(edited->size(), downloaded->size());
    EXPECT_NE(*edited, *downloaded);
    // 43312500 is 0x0294E574, big-endian somewhere in a channel record.
    const Bytes wanted = {0x02, 0x94, 0xE5, 0x74};
    EXPECT_NE(std::search(edited->begin(), edited->end(), wanted.begin(), wanted.end()), edited->end());

    // Upload the edited file: the radio takes exactly what Done wrote.
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QWidget*>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(1).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 6608  6609");
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    const auto layout = readImageLayout(*edited);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(radio.receivedImage(), Bytes(edited->begin(), edited->begin() + layout->cloneBytes()));
}

TEST(WholeCycle, DownloadEditDoneUploadThroughTheWindows)
{
    downloadEditDoneUpload("radio.bin", "edited.bin");
}

// Names in letters beyond ASCII reach the files whole, whatever the system's
// code page (with fast transfers, which carry the same bytes sooner).
TEST(WholeCycle, FilesNamedBeyondAsciiGoThroughTheWholeCycle)
{
    downloadEditDoneUpload("Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC.bin",
                           "Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC_ge\xC3\xA4ndert.bin", TransferTiming::Fast);
}

// Presses Tab (or Shift+Tab) in the window's focused control until the
// control named name has the focus; false when it is not reached.
bool tabTo(const char* name, bool forward = true)
{
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            return false;
        if (focused->objectName() == name)
            return true;
        QTest::keyClick(focused, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    return false;
}

// Types text into the focused control and presses Enter.
void typeAndEnter(const char* text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// The typical road with the keyboard alone: the path typed, Tab to Download,
// Shift+Tab back to Edit and Space, Tab to the channel number and to the
// frequency, each typed with Enter,
// Tab to Tone and Space, the tone number typed with Enter, Tab to Done and
// Space, then Shift+Tab from Edit to Upload.
TEST(WholeCycle, TheTypicalRoadByKeyboardAlone)
{
    test::TempDir dir;
    sim::SimulatedRadio radio(test::fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(radio.start().ok());
    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLineEdit*>("Text2");
    QSignalSpy finished(&window, &MainWindow::transferFinished);

    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Text1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(dir.file("radio.bin")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();

    // Backwards from Download, Upload is not crossed on the way to Edit.
    ASSERT_TRUE(tabTo("Command3", false));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QWidget* editor = topLevel("Form2");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible()) << status->text().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Done");

    // Channel 1 of the simulated radio's memory: FM, no tone.
    ASSERT_TRUE(tabTo("CHnum"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeAndEnter("1");
    ASSERT_TRUE(tabTo("CHfreq"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeAndEnter("43312500");
    ASSERT_TRUE(tabTo("CTCSSck"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(tabTo("CTCSS"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeAndEnter("8");
    ASSERT_TRUE(tabTo("Done"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_FALSE(editor->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const auto edited = readWholeFile(dir.file("radio.bin"));
    ASSERT_TRUE(edited.ok());
    const Result<BlockStore> store = BlockStore::load(*edited);
    ASSERT_TRUE(store.ok());
    ASSERT_EQ(shownChannel(*store), 0);
    const ChannelRecordView channel = ChannelRecordView::forChannel(*store, 0);
    EXPECT_EQ(channel.rxFrequency(), 43312500u);
    EXPECT_EQ(channel.toneMode(), ToneMode::Tone);
    EXPECT_EQ(channel.toneNumber(), 8);

    // The focus comes back to Edit; Shift+Tab reaches Upload, which starts.
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command3");
    ASSERT_TRUE(tabTo("Command2", false));
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(1).at(0).toBool()) << status->text().toStdString();
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    const auto layout = readImageLayout(*edited);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(radio.receivedImage(), Bytes(edited->begin(), edited->begin() + layout->cloneBytes()));
}

} // namespace
} // namespace ft817
