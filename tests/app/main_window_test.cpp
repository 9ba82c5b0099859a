// The main window as a person meets it: what is shown at start, the focus
// order, and which focus changes and clicks start a command.

#include "app/main_window.h"
#include "app/port_menu.h"
#include "app/transfer_settings.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(test::fakeDevice(radio));
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <class T> T* child(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Waits until the download shows "waiting": the port is open and the
    // radio has said nothing.
    bool waitForWaiting()
    {
        return QTest::qWaitFor([this] { return child<QLineEdit>("Text2")->text() == "waiting"; }, 5000);
    }
    // Presses Escape once the download waits for the radio, and waits for it to end.
    bool abandonRunningTransfer()
    {
        QSignalSpy finished(window.get(), &MainWindow::transferFinished);
        if (!waitForWaiting())
            return false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return finished.wait(5000);
    }

    // A radio that never says anything; every transfer's port stands for it.
    test::FakeSerialPort radio;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsAsDesigned)
{
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(), "YAESU clone facility");
    EXPECT_EQ(window->size(), QSize(289, 164));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "c:\\nebl1.bin");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("Text1"));
    EXPECT_EQ(child<QWidget>("Command1")->geometry(), QRect(8, 40, 81, 41));
    EXPECT_EQ(child<QWidget>("Command2")->geometry(), QRect(104, 40, 81, 41));
    EXPECT_EQ(child<QWidget>("Command3")->geometry(), QRect(200, 40, 81, 41));
    EXPECT_EQ(child<QWidget>("CAT")->geometry(), QRect(224, 96, 33, 17));
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->maximum(), 100);
    EXPECT_EQ(child<QLineEdit>("Text2")->toolTip(),
              QString("Port /dev/fake (no radio heard yet)\n") + timingDescription(TransferTiming::Standard));
    EXPECT_EQ(radio.opens(), 0);
}

// The five elements, then the CAT area, which the keyboard reaches too.
TEST_F(MainWindowTest, FocusOrderRunsThroughTheFiveElementsAndTheCatArea)
{
    const char* order[] = {"Text1", "Command1", "Command2", "Text2", "Command3", "CAT", "Text1"};
    QWidget* widget = child<QWidget>("Text1");
    for (const char* next : order) {
        EXPECT_EQ(widget->objectName(), next);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
    }
}

TEST_F(MainWindowTest, TabFromThePathStartsDownloadAndTabOnStartsUpload)
{
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("Command1"));
    ASSERT_TRUE(abandonRunningTransfer());
    EXPECT_EQ(radio.opens(), 1);
    EXPECT_FALSE(window->transferRunning());
    EXPECT_NE(child<QLineEdit>("Text2")->text().indexOf("abandoned"), -1);

    // The download ended with the focus on "Download": Tab moves on to "Upload",
    // which starts an upload of the missing file without opening the port.
    QSignalSpy finished(window.get(), &MainWindow::transferFinished);
    QTest::keyClick(child<QWidget>("Command1"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("Command2"));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(radio.opens(), 1);
    EXPECT_NE(child<QLineEdit>("Text2")->text().indexOf("nebl1.bin"), -1);
}

TEST_F(MainWindowTest, ClickOnTheFocusedDownloadButtonStartsNothing)
{
    child<QWidget>("Command1")->setFocus();
    ASSERT_TRUE(abandonRunningTransfer());
    ASSERT_EQ(radio.opens(), 1);
    QTest::mouseClick(child<QWidget>("Command1"), Qt::LeftButton);
    // A transfer would start from a queued call: let any such call run.
    QCoreApplication::sendPostedEvents();
    ASSERT_FALSE(window->transferRunning());
    EXPECT_EQ(radio.opens(), 1);
}

TEST_F(MainWindowTest, ClosingTheWindowAbandonsATransfer)
{
    QSignalSpy finished(window.get(), &MainWindow::transferFinished);
    child<QWidget>("Command1")->setFocus();
    ASSERT_TRUE(waitForWaiting());
    window->close();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(window->transferRunning());
}

TEST_F(MainWindowTest, DestroyingTheWindowMidTransferEndsItsThreadAndClosesThePort)
{
    child<QWidget>("Command1")->setFocus();
    ASSERT_TRUE(waitForWaiting());
    window->close();
    window.reset();
    EXPECT_FALSE(radio.isOpen());
    EXPECT_EQ(radio.calls().back(), "close");
}

TEST_F(MainWindowTest, NoOtherCommandStartsWhileATransferRuns)
{
    QSignalSpy finished(window.get(), &MainWindow::transferFinished);
    child<QWidget>("Command1")->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->transferRunning(); }, 5000));
    // Everything but the running command is out of reach, and the focus stays on it.
    for (const char* name : {"Text1", "Command2", "Command3", "CAT"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_EQ(child<QWidget>("Text2")->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(child<QWidget>("Command3"), Qt::LeftButton); // Edit
    QTest::mouseClick(child<QWidget>("CAT"), Qt::LeftButton);
    child<QWidget>("Command2")->setFocus(); // Upload
    QTest::keyClick(child<QWidget>("Command1"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("Command1"));
    window->abandonTransfer();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(window->isVisible());
    QCoreApplication::sendPostedEvents();
    ASSERT_FALSE(window->transferRunning());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(radio.opens(), 1);
    for (const char* name : {"Text1", "Command2", "Command3", "CAT"})
        EXPECT_TRUE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_EQ(child<QWidget>("Text2")->focusPolicy(), Qt::StrongFocus);
}

// Opens the window's right-click menu at a point of its background and
// returns the texts of its items, closing it again.
QStringList backgroundMenu(QWidget& window, QPoint at)
{
    QStringList items;
    QTimer::singleShot(50, &window, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction* action : menu->actions())
            items << action->text() + (action->isChecked() ? " [x]" : " [ ]");
        menu->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &rightClick);
    return items;
}

TEST_F(MainWindowTest, SerialPortMenuShowsThePortInUseAndKeepsTheChoice)
{
    EXPECT_EQ(backgroundMenu(*window, QPoint(250, 15)).value(4),
              "Serial port [ ]"); // after Open…, Save as… and a line
    auto* ports = window->findChild<PortMenu*>("SerialPortMenu");
    ASSERT_NE(ports, nullptr);
    ports->popup(QPoint(0, 0)); // the menu lists the ports as it opens
    ports->close();
    const QList<QAction*> items = ports->actions();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.front()->text(), "/dev/fake  (in use)");
    EXPECT_TRUE(items.front()->isChecked());

    QSignalSpy chosen(ports, &PortMenu::portChosen);
    items.front()->trigger();
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_EQ(savedSerialPort(), "/dev/fake");
    EXPECT_TRUE(child<QLineEdit>("Text2")->toolTip().startsWith("Port /dev/fake (no radio heard yet)"));
}

// Done writes fresh checksums, so Edit of a memory with a damaged block asks
// first (default No); No leaves the editor closed.
TEST_F(MainWindowTest, EditOfAnImageWithADamagedBlockAsksFirst)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    Bytes file = *buildImageFile(memory.image, memory.blockLengths);
    file[static_cast<std::size_t>(readImageLayout(file)->ends[8] - 3)] ^= 0x10;
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), file));
    child<QLineEdit>("Text1")->setText(QString::fromStdString(dir.file("radio.bin")));

    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString asked;
        bool defaultNo = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            asked = box->text();
            defaultNo = box->defaultButton() == box->button(QMessageBox::No);
            box->button(answer)->click();
        });
        QTest::mouseClick(child<QWidget>("Command3"), Qt::LeftButton);
        EXPECT_TRUE(asked.contains("the stored checksum of block 8 does not match")) << asked.toStdString();
        EXPECT_TRUE(defaultNo);
        EXPECT_EQ(window->isVisible(), answer == QMessageBox::No);
    }
}

TEST_F(MainWindowTest, FastTransfersIsACheckItemOnTheBackgroundKeptBetweenRuns)
{
    saveTransferTiming(TransferTiming::Standard);
    auto first = std::make_unique<MainWindow>(test::fakeDevice(radio));
    auto* fast = first->findChild<QAction*>("FastTransfers");
    ASSERT_NE(fast, nullptr);
    EXPECT_EQ(backgroundMenu(*first, QPoint(250, 15)).value(3), "Fast transfers [ ]");
    EXPECT_EQ(first->transferTiming(), TransferTiming::Standard);
    EXPECT_NE(first->findChild<QLineEdit*>("Text2")->toolTip().indexOf("Standard transfers"), -1);

    fast->trigger(); // the person's click
    EXPECT_EQ(first->transferTiming(), TransferTiming::Fast);
    EXPECT_EQ(backgroundMenu(*first, QPoint(250, 15)).value(3), "Fast transfers [x]");
    const QString tooltip = first->findChild<QLineEdit*>("Text2")->toolTip();
    EXPECT_TRUE(tooltip.startsWith("Port /dev/fake (no radio heard yet)\n")) << tooltip.toStdString();
    EXPECT_NE(tooltip.indexOf("Fast transfers"), -1) << tooltip.toStdString();
    first.reset();

    // The next run starts with the choice; the command line's --fast (or
    // its absence) is for one run only and leaves the choice kept alone.
    MainWindow second(test::fakeDevice(radio));
    EXPECT_EQ(second.transferTiming(), TransferTiming::Fast);
    second.setTransferTiming(TransferTiming::Standard);
    EXPECT_FALSE(second.findChild<QAction*>("FastTransfers")->isChecked());
    EXPECT_EQ(savedTransferTiming(), TransferTiming::Fast);
    second.findChild<QAction*>("FastTransfers")->trigger();
    second.findChild<QAction*>("FastTransfers")->trigger();
    EXPECT_EQ(savedTransferTiming(), TransferTiming::Standard);
    EXPECT_EQ(radio.opens(), 0);
}

TEST_F(MainWindowTest, FastTransfersCannotChangeWhileATransferRuns)
{
    auto* fast = window->findChild<QAction*>("FastTransfers");
    child<QWidget>("Command1")->setFocus();
    ASSERT_TRUE(waitForWaiting());
    EXPECT_FALSE(fast->isEnabled());
    EXPECT_NE(child<QLineEdit>("Text2")->toolTip().indexOf("Standard transfers"), -1);
    ASSERT_TRUE(abandonRunningTransfer());
    EXPECT_TRUE(fast->isEnabled());
}

} // namespace
} // namespace ft817
