// The owner's whole road through the windows against the simulated radio:
// Download, Edit (one frequency typed), Done, Upload. The radio must receive
// exactly the image that Done wrote, whatever letters the files are named in.

#include "app/main_window.h"
#include "image/image_file.h"
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

} // namespace
} // namespace ft817
