// The main window driving the real serial code against the simulated radio:
// Download and Upload started by the focus, as a person starts them.

#include "app/main_window.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/eventually.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

// A small memory of three blocks, so a whole transfer takes seconds.
sim::RadioOptions smallRadio()
{
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    options.blockLengths = {4, 42, 130};
    for (std::size_t k = 0; k < options.blockLengths.size(); ++k) {
        std::uint8_t sum = 0;
        options.image.push_back(static_cast<std::uint8_t>(k));
        for (int i = 1; i < options.blockLengths[k] - 1; ++i) {
            const auto byte = static_cast<std::uint8_t>(k * 31 + i * 3);
            options.image.push_back(byte);
            sum = static_cast<std::uint8_t>(sum + byte);
        }
        options.image.push_back(sum);
    }
    return options;
}

// The text of the last question answered by answerNotWholeQuestion.
QString g_asked;

// Answers the question Upload asks about an image that is not a whole memory
// or holds frequencies the radio cannot tune, as soon as it is shown, and
// keeps its text in g_asked.
void answerNotWholeQuestion(QMessageBox::StandardButton answer)
{
    g_asked.clear();
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        g_asked = box->text();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(answer)->click();
        poll->deleteLater();
    });
    poll->start(20);
}

TEST(MainWindowWithRadio, TabIntoDownloadThenUploadCarriesTheImageBothWays)
{
    test::TempDir dir;
    const sim::RadioOptions options = smallRadio();
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* path = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLineEdit*>("Text2");
    auto* progress = window.findChild<QProgressBar*>("ProgressBar1");
    path->setText(QString::fromStdString(dir.file("radio.bin")));
    path->setFocus();

    QSignalSpy finished(&window, &MainWindow::transferFinished);
    QTest::keyClick(path, Qt::Key_Tab);
    // The window shows the transfer as it goes: "waiting", then every byte;
    // after the last block the download still waits 2 s for another one.
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() == "waiting"; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress->value() == 176; }, 10000));
    EXPECT_TRUE(window.transferRunning());
    EXPECT_FALSE(window.findChild<QWidget*>("Command3")->isEnabled());
    EXPECT_TRUE(window.findChild<QWidget*>("Command1")->hasFocus());
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 176  3");
    EXPECT_EQ(progress->maximum(), 6609);
    EXPECT_EQ(progress->value(), 176);
    EXPECT_TRUE(window.findChild<QWidget*>("Command3")->isEnabled());
    EXPECT_TRUE(test::eventually([&] { return !radio.toolHasPortOpen(); }));

    const auto file = readWholeFile(dir.file("radio.bin"));
    ASSERT_TRUE(file.ok());
    const auto expected = buildImageFile(options.image, options.blockLengths);
    EXPECT_EQ(*file, *expected);

    // The focus is still on "Download"; Tab moves it to "Upload", which sends
    // the file back to the radio, now waiting to receive, once the person has
    // said yes: three blocks are not a whole FT-817 memory.
    answerNotWholeQuestion(QMessageBox::Yes);
    QTest::keyClick(window.findChild<QWidget*>("Command1"), Qt::Key_Tab);
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_TRUE(finished.at(1).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 175  176");
    EXPECT_EQ(progress->maximum(), (static_cast<int>(file->size()) - 1) - 3 * 2);
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    EXPECT_EQ(radio.receivedImage(), options.image);
}

TEST(MainWindowWithRadio, ACutOffDownloadIsSavedKeptAndReportedAndUploadAsksFirst)
{
    test::TempDir dir;
    const std::string target = dir.file("radio.bin");
    const Bytes before{7, 7, 7};
    ASSERT_TRUE(writeWholeFile(target, before));
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    options.faults.stopAfterBlock = 2;
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());
    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.show();
    QApplication::setActiveWindow(&window); // a person works in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLineEdit*>("Text2");
    auto* progress = window.findChild<QProgressBar*>("ProgressBar1");
    window.findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(target));
    QSignalSpy finished(&window, &MainWindow::transferFinished);

    window.findChild<QWidget*>("Command1")->setFocus();
    ASSERT_TRUE(finished.wait(15000));
    // The counts as always; what is wrong in the tooltip and the bar's colour.
    EXPECT_EQ(status->text(), " 256  3");
    EXPECT_TRUE(status->toolTip().startsWith("Not a whole memory: the radio stopped after block 2 of 50"))
        << status->toolTip().toStdString();
    EXPECT_EQ(progress->palette().color(QPalette::Highlight), QColor(0xc0, 0x39, 0x2b));
    bool keptBefore = false;
    for (const auto& entry : std::filesystem::directory_iterator(historyFolder()))
        keptBefore = keptBefore || *readWholeFile(entry.path().string()) == before;
    EXPECT_TRUE(keptBefore);

    // Upload asks; "No" sends nothing.
    answerNotWholeQuestion(QMessageBox::No);
    window.findChild<QWidget*>("Command2")->setFocus();
    ASSERT_TRUE(finished.size() > 1 || finished.wait(5000));
    EXPECT_FALSE(finished.at(1).at(0).toBool());
    EXPECT_TRUE(
        g_asked.startsWith("This image is not a whole FT-817 memory: the radio stopped after block 2 of 50"))
        << g_asked.toStdString();
    EXPECT_TRUE(g_asked.endsWith("Send it anyway?"));
    EXPECT_TRUE(
        status->toolTip().startsWith("Not sent: not a whole FT-817 memory: the radio stopped after block 2"))
        << status->toolTip().toStdString();
    EXPECT_EQ(radio.portOpens(), 1);
}

// With "Fast transfers" checked the window downloads and uploads a whole
// FT-817 memory, byte for byte, with the same texts as with standard timing.
TEST(MainWindowWithRadio, FastTransfersCarryAWholeMemoryBothWays)
{
    test::TempDir dir;
    sim::RadioOptions options;
    options.mode = sim::Mode::Auto;
    options.pacing = false;
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.setTransferTiming(TransferTiming::Fast);
    window.show();
    QApplication::setActiveWindow(&window); // a person works in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* path = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLineEdit*>("Text2");
    path->setText(QString::fromStdString(dir.file("radio.bin")));

    QSignalSpy finished(&window, &MainWindow::transferFinished);
    window.findChild<QWidget*>("Command1")->setFocus();
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 6609  50");
    EXPECT_NE(status->toolTip().indexOf("Fast transfers"), -1) << status->toolTip().toStdString();
    EXPECT_EQ(*readWholeFile(dir.file("radio.bin")), *buildImageFile(memory.image, memory.blockLengths));

    window.findChild<QWidget*>("Command2")->setFocus();
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_TRUE(finished.at(1).at(0).toBool()) << status->text().toStdString();
    EXPECT_EQ(status->text(), " 6608  6609");
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    EXPECT_EQ(radio.receivedImage(), memory.image);
}

// 145.520 typed into the frequency box (10 Hz units) stores 146: Upload names the
// channel and asks; "No" sends nothing, "Yes" sends the memory as it is.
TEST(MainWindowWithRadio, UploadNamesAChannelTheRadioCannotTuneAndAsksFirst)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    BlockStore store = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    setChannelActive(store, 11, true);
    ChannelRecord twelve = ChannelRecord::forChannel(store, 11);
    twelve.setByte(0, 0xC5); // FM, tag shown
    twelve.setTag("RPT1    ");
    twelve.setRxFrequency(146);
    const Bytes file = *store.toImageFile();
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), file));
    sim::SimulatedRadio radio(test::fastRadioOptions(sim::Mode::Receive));
    ASSERT_TRUE(radio.start().ok());
    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.setTransferTiming(TransferTiming::Fast);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLineEdit*>("Text2");
    window.findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(dir.file("radio.bin")));
    QSignalSpy finished(&window, &MainWindow::transferFinished);

    answerNotWholeQuestion(QMessageBox::No);
    window.findChild<QWidget*>("Command2")->setFocus();
    ASSERT_TRUE(finished.size() > 0 || finished.wait(5000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_EQ(g_asked, "The radio cannot tune the frequency of 1 memory in use:\n"
                       "channel 12 (tag RPT1): 0.00146 MHz\n\n"
                       "Send it anyway?");
    EXPECT_TRUE(status->toolTip().startsWith("Not sent: the radio cannot tune the frequency of 1 memory in "
                                             "use: channel 12 (tag RPT1): 0.00146 MHz"))
        << status->toolTip().toStdString();
    QTest::qWait(200);
    EXPECT_EQ(radio.portOpens(), 0);

    // The person comes back to the window and moves to "Upload" again.
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    answerNotWholeQuestion(QMessageBox::Yes);
    window.findChild<QWidget*>("Command2")->setFocus();
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_TRUE(finished.at(1).at(0).toBool()) << status->toolTip().toStdString();
    ASSERT_TRUE(radio.waitForTransfers(1, 5.0));
    EXPECT_EQ(radio.receivedImage(), Bytes(file.begin(), file.begin() + 6609));
}

// Closes the popup menu or modal dialog that is open as soon as it shows.
void closeWhatOpens()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open)
            open = QApplication::activeModalWidget();
        if (!open)
            return;
        open->close();
        poll->deleteLater();
    });
    poll->start(20);
}

// The focus coming back to a transfer's button when a menu, a message box or
// another window closes starts nothing; only the person's move does.
void focusComesBackWithoutThePerson(MainWindow& window)
{
    closeWhatOpens();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(250, 150), window.mapToGlobal(QPoint(250, 150)));
    QApplication::sendEvent(&window, &menu);

    closeWhatOpens();
    QMessageBox box(QMessageBox::Information, "elsewhere", "a message", QMessageBox::Ok, &window);
    box.exec();

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTest::qWait(50);
    QApplication::setActiveWindow(&window);
    QTest::qWait(300);
}

TEST(MainWindowWithRadio, FocusReturningFromMenusDialogsAndWindowsStartsNoSecondTransfer)
{
    test::TempDir dir;
    sim::RadioOptions options;
    options.mode = sim::Mode::Auto;
    options.pacing = false;
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.setTransferTiming(TransferTiming::Fast);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::string file = dir.file("radio.bin");
    window.findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(file));

    QSignalSpy finished(&window, &MainWindow::transferFinished);
    window.findChild<QWidget*>("Command1")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(finished.wait(15000));
    const auto written = std::filesystem::last_write_time(file);
    const QString tooltip = window.findChild<QLineEdit*>("Text2")->toolTip();
    EXPECT_NE(tooltip.indexOf(QString::fromStdString("Port " + radio.devicePath() + ": FT-817")), -1)
        << tooltip.toStdString();
    focusComesBackWithoutThePerson(window);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(radio.portOpens(), 1);
    EXPECT_EQ(std::filesystem::last_write_time(file), written);

    window.findChild<QWidget*>("Command2")->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(finished.wait(15000));
    focusComesBackWithoutThePerson(window);
    EXPECT_EQ(finished.size(), 2);
    EXPECT_EQ(radio.portOpens(), 2);
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
}

TEST(MainWindowWithRadio, PortThatCannotBeOpenedIsReportedAndNothingHangs)
{
    test::TempDir dir;
    MainWindow window(qtSerialDevice(dir.file("no-such-radio")));
    window.show();
    QApplication::setActiveWindow(&window); // a person works in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLineEdit*>("Text2");
    QSignalSpy finished(&window, &MainWindow::transferFinished);
    window.findChild<QWidget*>("Command1")->setFocus();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_EQ(status->text().toStdString(), "cannot open " + dir.file("no-such-radio") + ": no such device");
    EXPECT_NE(status->toolTip().indexOf("--port"), -1);
    // The start of the reason is in view, and the bar has a failure's colour.
    EXPECT_EQ(status->cursorPosition(), 0);
    EXPECT_EQ(window.findChild<QProgressBar*>("ProgressBar1")->palette().color(QPalette::Highlight),
              QColor(0xc0, 0x39, 0x2b));
}

TEST(MainWindowWithRadio, TheNextCommandClearsTheLastFailuresTooltipAndRedBar)
{
    test::TempDir dir;
    MainWindow window(qtSerialDevice(dir.file("no-such-radio")));
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLineEdit*>("Text2");
    auto* progress = window.findChild<QProgressBar*>("ProgressBar1");
    QSignalSpy finished(&window, &MainWindow::transferFinished);
    window.findChild<QWidget*>("Command1")->setFocus();
    ASSERT_TRUE(finished.wait(5000));
    ASSERT_EQ(progress->palette().color(QPalette::Highlight), QColor(0xc0, 0x39, 0x2b));
    ASSERT_NE(status->toolTip().indexOf("--port"), -1);

    // Edit of a file that is not there: its own reason, and the download's are gone.
    window.findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(dir.file("missing.img")));
    QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    EXPECT_NE(progress->palette().color(QPalette::Highlight), QColor(0xc0, 0x39, 0x2b));
    EXPECT_EQ(status->toolTip().indexOf("--port"), -1) << status->toolTip().toStdString();
    EXPECT_NE(status->toolTip().indexOf("missing.img"), -1) << status->toolTip().toStdString();
}

} // namespace
} // namespace ft817
