// The owner's road through the channel list against the simulated radio:
// Download, Edit, "Channels…", a repeater typed into channel 12, three rows
// pasted from another image's export into 20..22, channel 21 moved up, 30..39
// filled and the fill undone, Done, Upload. The radio receives exactly what
// Done wrote, and that differs from the download in those channels only.

#include "app/main_window.h"
#include "editor/channel_list_window.h"
#include "editor/channel_table_model.h"
#include "editor/editor_window.h"
#include "exchange/channel_clipboard.h"
#include "exchange/csv_exchange.h"
#include "exchange/image_diff.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"
#include "support/image_samples.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <numeric>

namespace ft817 {
namespace {

using M = ChannelTableModel;

void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Types text into a cell of the list and presses Enter.
void typeIntoCell(QTableView* table, int channel, int column, const QString& text)
{
    const QModelIndex cell = table->model()->index(channel, column);
    table->setCurrentIndex(cell);
    QTest::keyClick(table, Qt::Key_F2);
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr) << "no text editor in column " << column;
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Opens a cell's drop-down list and picks the entry with the given text.
void pickInCell(QTableView* table, int channel, int column, const QString& entry)
{
    const QModelIndex cell = table->model()->index(channel, column);
    table->setCurrentIndex(cell);
    QTest::keyClick(table, Qt::Key_F2);
    // Lists of tones and codes take typing: the focus is in their line.
    QWidget* focus = QApplication::focusWidget();
    auto* list =
        qobject_cast<QComboBox*>(focus && qobject_cast<QLineEdit*>(focus) ? focus->parentWidget() : focus);
    ASSERT_NE(list, nullptr) << "no list in column " << column;
    const int position = list->findText(entry);
    ASSERT_GE(position, 0) << entry.toStdString();
    list->setCurrentIndex(position);
    emit list->activated(position);
}

TEST(ChannelListCycle, DownloadEditListDoneUploadCarriesExactlyTheListsChanges)
{
    test::TempDir dir;
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start().ok());

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.show();
    activate(&window);
    auto* path = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLineEdit*>("Text2");
    path->setText(QString::fromStdString(dir.file("radio.bin")));
    QSignalSpy finished(&window, &MainWindow::transferFinished);
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->toolTip().contains("press its A key"); }, 5000));
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();
    // The ending in words: what came, from which radio, into which file.
    EXPECT_TRUE(status->toolTip().startsWith("Downloaded 50 blocks (6609 bytes) from the FT-817 into " +
                                             QString::fromStdString(dir.file("radio.bin")) + "."))
        << status->toolTip().toStdString();

    QTest::mouseClick(window.findChild<QWidget*>("Command3"), Qt::LeftButton);
    EditorWindow* editor = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "Form2")
            editor = qobject_cast<EditorWindow*>(top);
    ASSERT_TRUE(editor && editor->isVisible());
    QTest::mouseClick(editor->findChild<QWidget*>("Channels"), Qt::LeftButton);
    ChannelListWindow* list = editor->channelList();
    ASSERT_TRUE(list && list->isVisible());
    activate(list);
    auto* table = list->findChild<QTableView*>("ChannelTable");

    // A repeater in channel 12.
    typeIntoCell(table, 11, M::RxFrequency, "145.6125");
    pickInCell(table, 11, M::Shift, "Minus");
    typeIntoCell(table, 11, M::Offset, "0.6");
    pickInCell(table, 11, M::ToneMode, "Tone");
    pickInCell(table, 11, M::Tone, "88.5");
    typeIntoCell(table, 11, M::Tag, "RPT");
    // Typing the tag ticks Tag shown: the image Done writes has the tag shown (below).
    // Typing its frequency has put the channel to use.
    ASSERT_EQ(table->model()->index(11, M::Active).data(Qt::CheckStateRole), Qt::Checked);

    // Three rows of another image's export, pasted into channels 20..22.
    const BlockStore other = *BlockStore::load(test::sampleMemoryImage());
    const std::string exported = exportChannelsCsv(other);
    std::size_t end = 0;
    for (int line = 0; line < 4; ++line) // the header and three rows
        end = exported.find('\n', end) + 1;
    const std::string threeRows = exported.substr(0, end);
    QApplication::clipboard()->setText(QString::fromStdString(threeRows));
    list->selectChannels({19});
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(list->selectedChannels(), (std::vector<int>{19, 20, 21})) << list->statusText().toStdString();
    list->selectChannels({20});
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);

    // Fill 30..39 with 5.2585 MHz in 1 kHz steps, then undo that.
    std::vector<int> band(10);
    std::iota(band.begin(), band.end(), 29);
    list->selectChannels(band);
    auto* start = list->findChild<QLineEdit*>("FillStart");
    auto* step = list->findChild<QLineEdit*>("FillStep");
    start->setText("5.2585");
    step->setText("0.001");
    QTest::keyClick(step, Qt::Key_Return);
    ASSERT_EQ(ChannelRecordView::forChannel(editor->state().store, 38).rxFrequency(), 526750u);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);

    activate(editor);
    editor->findChild<QLineEdit*>("Savename")->setText(QString::fromStdString(dir.file("edited.bin")));
    QTest::mouseClick(editor->findChild<QWidget*>("Done"), Qt::LeftButton);
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(list->isVisible());

    // What the list should have made of the download, by the image layer's own operations.
    const BlockStore downloaded = *BlockStore::load(*readWholeFile(dir.file("radio.bin")));
    BlockStore expected = downloaded;
    {
        ChannelRecord repeater = ChannelRecord::forChannel(expected, 11);
        repeater.setRxFrequency(14561250);
        repeater.fitRxBandCode();
        repeater.setShift(Shift::Minus);
        repeater.setTxFrequency(60000);
        repeater.setToneMode(ToneMode::Tone);
        repeater.setToneNumber(8);
        repeater.setTag("RPT");
        repeater.setTagShown(true);
        setChannelActive(expected, 11, true);
    }
    expected = pasteChannelsCsv(expected, threeRows, 19).store;
    ASSERT_TRUE(moveChannels(expected, {20}, -1).ok());
    const BlockStore edited = *BlockStore::load(*readWholeFile(dir.file("edited.bin")));
    EXPECT_EQ(edited, expected);
    for (const std::string& line : describeImageDifferences(expected, edited))
        ADD_FAILURE() << "the list made otherwise: " << line;

    // Only channels 12 and 20..22 (records and bitmap bits) differ from the download.
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const bool changed = channel == 11 || (channel >= 19 && channel <= 21);
        if (changed)
            continue;
        EXPECT_EQ(ChannelRecordView::forChannel(edited, channel).bytes(),
                  ChannelRecordView::forChannel(downloaded, channel).bytes())
            << "channel " << channel + 1;
        EXPECT_EQ(isChannelActive(edited, channel), isChannelActive(downloaded, channel)) << channel + 1;
    }

    // Upload: the radio takes exactly what Done wrote.
    activate(&window);
    QTest::mouseClick(window.findChild<QWidget*>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(1).at(0).toBool()) << status->text().toStdString();
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    const Bytes file = *readWholeFile(dir.file("edited.bin"));
    const auto layout = readImageLayout(file);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(radio.receivedImage(), Bytes(file.begin(), file.begin() + layout->cloneBytes()));
}

} // namespace
} // namespace ft817
