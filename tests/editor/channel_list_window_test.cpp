// The channel list window beside a real editor window, offscreen: what the
// table shows, edits in place and their refusals, both windows showing each
// other's changes, undo across both, the row actions, sorting and the filter,
// and leaving through Done and Cancel.

#include "channel_list_fixture.h"
#include "editor/channel_list_window.h"
#include "editor/channel_table_model.h"
#include "editor/edit_history.h"
#include "editor/editor_window.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/tone_tables.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/temp_dir.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

class ChannelListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.file("radio.bin");
        list = test::openChannelListOn(editor, path, sim::Model::FT817);
        ASSERT_NE(list, nullptr);
        loaded = editor.state().store;
        table = list->findChild<QTableView*>("ChannelTable");
        model = table->model();
    }

    const BlockStore& store() { return editor.state().store; }
    ChannelRecordView record(int channel) { return ChannelRecordView::forChannel(store(), channel); }
    QModelIndex cell(int channel, int column)
    {
        // The view shows the channels in memory order until a header is clicked.
        return model->index(channel, column);
    }
    QString text(int channel, int column) { return cell(channel, column).data().toString(); }
    QAction* action(const char* name) { return list->findChild<QAction*>(name); }

    test::TempDir folder;
    std::string path;
    EditorWindow editor;
    BlockStore loaded;
    ChannelListWindow* list = nullptr;
    QTableView* table = nullptr;
    QAbstractItemModel* model = nullptr;
};

TEST_F(ChannelListTest, ButtonSitsBesideCancelAndComesLastInTheTabOrder)
{
    auto* button = editor.findChild<QPushButton*>("Channels");
    EXPECT_EQ(button->geometry(), QRect(200, 272, 97, 25));
    EXPECT_EQ(button->text(), "Channels…");
    EXPECT_EQ(editor.findChild<QWidget*>("Cancel")->nextInFocusChain(), button);
    EXPECT_EQ(list->windowTitle(), "YAESU Channels");
    EXPECT_TRUE(list->isVisible());
}

TEST_F(ChannelListTest, ShowsTheRadiosMeaningAndGreysInactiveRows)
{
    using M = ChannelTableModel;
    EXPECT_EQ(model->rowCount(), 200);
    EXPECT_EQ(text(1, M::RxFrequency), "145.72500");
    EXPECT_EQ(text(1, M::Shift), "Minus");
    EXPECT_EQ(text(1, M::Offset), "0.60000");
    EXPECT_EQ(text(1, M::ToneMode), "Tone");
    EXPECT_EQ(text(1, M::Tone), "88.5");
    EXPECT_EQ(text(12, M::Shift), "Split");
    EXPECT_EQ(text(12, M::Offset), "14.22500");
    EXPECT_EQ(text(12, M::TxMode), "USB");
    EXPECT_EQ(text(57, M::DcsCode), "036");
    EXPECT_EQ(text(0, M::Offset), "");
    // Channel 1's record has bit 7 alone: the radio shows its tag.
    EXPECT_EQ(cell(0, M::TagShown).data(Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(text(0, M::Tag), "CALL 2M");
    // Channel 21 was deleted on the radio: shown greyed with its stored values.
    EXPECT_EQ(cell(20, M::Active).data(Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_EQ(text(20, M::Tag), "OLD 10M");
    EXPECT_TRUE(cell(20, M::Tag).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(cell(0, M::Tag).data(Qt::ForegroundRole).isValid());
}

// A frequency copied from an exported file (six decimals, the sixth 0) goes
// into a cell as it is; the cell shows it to 10 Hz.
TEST_F(ChannelListTest, TakesTheSixDecimalsExportWrites)
{
    using M = ChannelTableModel;
    ASSERT_TRUE(model->setData(cell(5, M::RxFrequency), "145.612500"));
    EXPECT_EQ(record(5).rxFrequency(), 14561250u);
    EXPECT_EQ(text(5, M::RxFrequency), "145.61250");
    ASSERT_TRUE(model->setData(cell(5, M::RxFrequency), " 439.7000000 "));
    EXPECT_EQ(record(5).rxFrequency(), 43970000u);
    EXPECT_FALSE(model->setData(cell(5, M::RxFrequency), "145.6125001"));
    EXPECT_NE(list->statusText().indexOf("more than 5 decimals"), -1);
}

TEST_F(ChannelListTest, EditsWriteOnlyTheirBitsAndRefuseWhatCannotBeStored)
{
    using M = ChannelTableModel;
    ASSERT_TRUE(model->setData(cell(5, M::Shift), 2)); // plus
    EXPECT_EQ(record(5).byte(1) & 0xE0, 0xA0);
    EXPECT_EQ(record(5).byte(1) & 0x1F,
              loaded.byte(channelLocation(5).index + 1, channelLocation(5).block) & 0x1F);
    ASSERT_TRUE(model->setData(cell(5, M::TagShown), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(record(5).byte(0), ChannelRecordView::forChannel(loaded, 5).byte(0) & 0x7F);
    ASSERT_TRUE(model->setData(cell(5, M::Tag), "ab"));
    EXPECT_EQ(record(5).tag(), "ab      ");
    ASSERT_TRUE(model->setData(cell(30, M::Active), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(isChannelActive(store(), 30) && isSecondBitSet(store(), 30));

    const BlockStore before = store();
    const int steps = editor.history().stack().count();
    for (const char* typed : {"145,6", "abc", "", "145.612501"})
        EXPECT_FALSE(model->setData(cell(5, M::RxFrequency), typed)) << typed;
    EXPECT_NE(list->statusText().indexOf("more than 5 decimals"), -1);
    EXPECT_FALSE(model->setData(cell(5, M::RxFrequency), "1000"));
    EXPECT_NE(list->statusText().indexOf("outside what the FT-817 tunes"), -1);
    EXPECT_FALSE(model->setData(cell(5, M::Tag), "NINECHARS"));
    EXPECT_FALSE(model->setData(cell(5, M::Tag), QString::fromUtf8("Ω")));
    EXPECT_NE(list->statusText().indexOf("Latin-1"), -1);
    EXPECT_FALSE(model->setData(cell(5, M::Tag), "a\x1b[2J"));
    EXPECT_EQ(store(), before);
    EXPECT_EQ(editor.history().stack().count(), steps);
}

TEST_F(ChannelListTest, ASplitChannelMadeInTheListHoldsWhatARadioStores)
{
    using M = ChannelTableModel;
    ASSERT_TRUE(model->setData(cell(40, M::Active), Qt::Checked, Qt::CheckStateRole));
    ASSERT_TRUE(model->setData(cell(40, M::RxFrequency), "145.800"));
    ASSERT_TRUE(model->setData(cell(40, M::Mode), 5));  // FM
    ASSERT_TRUE(model->setData(cell(40, M::Shift), 3)); // split
    ASSERT_TRUE(model->setData(cell(40, M::Offset), "145.900"));
    EXPECT_EQ(text(40, M::TxMode), "FM") << "a channel made split transmits in its own mode";
    EXPECT_EQ(record(40).byte(1), 0xE4);
    EXPECT_EQ(record(40).byte(5), 0x2C);
    // Moving the receive frequency to 70 cm moves its band code alone.
    ASSERT_TRUE(model->setData(cell(40, M::RxFrequency), "435.5"));
    EXPECT_EQ(record(40).byte(1), 0xE5);
    EXPECT_EQ(record(40).byte(5), 0x2C);
    ASSERT_TRUE(model->setData(cell(40, M::TxMode), 1)); // USB
    EXPECT_EQ(record(40).byte(5), 0x0C);
}

TEST_F(ChannelListTest, NarrowModesStepsSkipIpoAndAttInTheirCells)
{
    using M = ChannelTableModel;
    const auto choices = [&](int channel, int column) {
        return cell(channel, column).data(M::ChoicesRole).toStringList();
    };
    EXPECT_EQ(choices(0, M::Mode).mid(8), (QStringList{"CW-N", "CWR-N", "FM-N"}));
    EXPECT_EQ(choices(0, M::Step),
              (QStringList{"5.00", "6.25", "10.00", "12.50", "15.00", "20.00", "25.00", "50.00"}));
    EXPECT_EQ(choices(4, M::Step), (QStringList{"1.00", "2.50", "5.00"})) << "DIG tunes in the SSB steps";

    ASSERT_TRUE(model->setData(cell(0, M::Mode), 10)); // FM-N
    EXPECT_EQ(text(0, M::Mode), "FM-N");
    EXPECT_EQ(record(0).byte(1) & 0x18, 0x18);
    ASSERT_TRUE(model->setData(cell(0, M::Step), 3));
    EXPECT_EQ(text(0, M::Step), "12.50");
    EXPECT_EQ(record(0).byte(3), 0x03);
    ASSERT_TRUE(model->setData(cell(0, M::Mode), 4)); // AM: wide, its own step
    EXPECT_EQ(record(0).byte(1) & 0x18, 0);
    EXPECT_EQ(text(0, M::Step), "2.50");
    for (const int column : {M::Skip, M::Ipo, M::Att})
        ASSERT_TRUE(model->setData(cell(0, column), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(record(0).byte(2), 0x41 | 0xB0) << "the bits no one knows stay";
    EXPECT_FALSE(model->setData(cell(0, M::Step), 6)) << "AM has six steps";

    // Tones go into bits 5-0 of byte 6, the bits above stay.
    ChannelRecord::forChannel(editor.state().store, 1).setByte(6, 0xC8);
    EXPECT_EQ(text(1, M::Tone), "88.5");
    ASSERT_TRUE(model->setData(cell(1, M::Tone), 12));
    EXPECT_EQ(record(1).byte(6), 0xCC);
}

// Tones and codes typed into their cells at once, as a person types them; a
// value the radio lacks is refused with the reason in the status bar.
TEST_F(ChannelListTest, TypedTonesAndCodesMeanWhatTheyRead)
{
    using M = ChannelTableModel;
    // With a pause between keys longer than a list's letter search waits, if asked.
    const auto type = [&](int column, const char* typed, int pauseMs = 0) {
        table->setCurrentIndex(cell(5, column));
        QTest::keyClick(table, typed[0]);
        // A closed editor lingers until it is deleted: take the one open now.
        QComboBox* list = nullptr;
        for (QComboBox* open : table->viewport()->findChildren<QComboBox*>())
            list = open->isVisible() ? open : list;
        ASSERT_TRUE(list && list->lineEdit()) << "no editor opened";
        QTest::keyClicks(list->lineEdit(), typed + 1, Qt::NoModifier, pauseMs);
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        // Enter hands the typed text over once the view is back in its event loop.
        QCoreApplication::processEvents();
    };
    type(M::Tone, "88.5", QApplication::keyboardInputInterval() + 50);
    EXPECT_EQ(record(5).toneNumber(), *ctcssNumberForHertz(88.5));
    type(M::DcsCode, "754");
    EXPECT_EQ(record(5).dcsNumber(), *dcsNumberForCode(754));
    type(M::DcsCode, "023");
    EXPECT_EQ(record(5).dcsNumber(), 0);
    const BlockStore before = store();
    type(M::Tone, "88.6");
    EXPECT_EQ(store(), before);
    EXPECT_NE(list->statusText().indexOf("\"88.6\" is not one of the radio's 50 tones"), -1);
}

// Typing a frequency puts a channel to use; a repeater shift on a channel
// without an offset takes the usual one of its band, or says it needs one.
TEST_F(ChannelListTest, FrequenciesActivateAndRepeaterShiftsTakeTheBandsOffset)
{
    using M = ChannelTableModel;
    ASSERT_FALSE(isChannelActive(store(), 20));
    ASSERT_TRUE(model->setData(cell(20, M::RxFrequency), "145.5"));
    EXPECT_TRUE(isChannelActive(store(), 20));
    const struct {
        const char* receive;
        int shift;
        std::uint32_t offset;
    } cases[] = {{"145.5", 1, 60'000}, {"439.5", 1, 760'000}, {"29.62", 2, 10'000}, {"14.2", 2, 0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(model->setData(cell(20, M::Shift), 0));
        ChannelRecord::forChannel(editor.history().store(), 20).setTxFrequency(0);
        ASSERT_TRUE(model->setData(cell(20, M::RxFrequency), c.receive));
        ASSERT_TRUE(model->setData(cell(20, M::Shift), c.shift));
        EXPECT_EQ(record(20).txFrequency(), c.offset) << c.receive;
    }
    EXPECT_NE(list->statusText().indexOf("needs a value"), -1);
    // An offset already there stays.
    ASSERT_TRUE(model->setData(cell(20, M::Offset), "1.2"));
    ASSERT_TRUE(model->setData(cell(20, M::Shift), 1));
    EXPECT_EQ(record(20).txFrequency(), 120'000u);
}

TEST_F(ChannelListTest, EachWindowShowsTheOthersChangesAndAnEditRedrawsOnlyItsRow)
{
    using M = ChannelTableModel;
    editor.state().currentChannel = 1;
    editor.displayChannel();
    ASSERT_TRUE(model->setData(cell(1, M::RxFrequency), "145.6125"));
    EXPECT_EQ(editor.findChild<QLineEdit*>("CHfreq")->text(), "14561250");

    QSignalSpy redrawn(model, &QAbstractItemModel::dataChanged);
    QTest::mouseClick(editor.findChild<QCheckBox*>("Chsplit"), Qt::LeftButton);
    ASSERT_EQ(redrawn.count(), 1);
    EXPECT_EQ(redrawn.at(0).at(0).toModelIndex().row(), 1);
    EXPECT_EQ(redrawn.at(0).at(1).toModelIndex().row(), 1);
    // A repeater channel shows Split cleared; ticking it makes the radio's split.
    EXPECT_EQ(text(1, M::Shift), "Split");
}

TEST_F(ChannelListTest, UndoReachesBackThroughBothWindowsToTheLoadedImageAndStartsAnewAtEdit)
{
    using M = ChannelTableModel;
    editor.state().currentChannel = 1;
    editor.displayChannel();
    QTest::mouseClick(editor.findChild<QCheckBox*>("Chact"), Qt::LeftButton);
    ASSERT_FALSE(isChannelActive(store(), 1));
    ASSERT_TRUE(model->setData(cell(3, M::Mode), 0));
    list->selectChannels({6, 7});
    list->deleteSelected();
    EXPECT_EQ(editor.history().stack().count(), 3);

    list->activateWindow();
    QApplication::setActiveWindow(list);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store(), loaded);
    EXPECT_TRUE(editor.findChild<QCheckBox*>("Chact")->isChecked());
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(isChannelActive(store(), 1));
    EXPECT_FALSE(editor.findChild<QCheckBox*>("Chact")->isChecked());

    ASSERT_TRUE(editor.edit(QString::fromStdString(path)).ok());
    EXPECT_EQ(editor.history().stack().count(), 0);
}

TEST_F(ChannelListTest, GoingFromChannelToChannelInTheEditorIsOneStep)
{
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(editor.findChild<QPushButton*>("Chup"), Qt::LeftButton);
    EXPECT_EQ(currentChannelByte(store()), 4);
    EXPECT_EQ(editor.history().stack().count(), 1);
    editor.history().stack().undo();
    EXPECT_EQ(store(), loaded);
}

TEST_F(ChannelListTest, RowActionsMoveInsertFillAndPasteAsOneStepEach)
{
    list->selectChannels({12});
    list->moveSelected(-1);
    EXPECT_EQ(record(11).rxFrequency(), 1419500u);
    EXPECT_EQ(list->selectedChannels(), std::vector<int>{11});

    list->selectChannels({5});
    list->insertAtSelection();
    EXPECT_NE(list->statusText().indexOf("channel 200 is in use"), -1);

    list->selectChannels({30, 31, 32});
    list->findChild<QLineEdit*>("FillStart")->setText("5.2585");
    list->findChild<QLineEdit*>("FillStep")->setText("0.001");
    list->fillSelected();
    EXPECT_EQ(record(32).rxFrequency(), 526050u);

    list->selectChannels({1, 2});
    list->copySelected();
    list->selectChannels({40});
    list->pasteAtSelection();
    EXPECT_EQ(record(41).rxFrequency(), record(2).rxFrequency());
    EXPECT_EQ(editor.history().stack().count(), 3);

    QApplication::clipboard()->setText("1,X,145.5000001,,0,,,,,NN,FM,5.00,,,,,\n");
    list->pasteAtSelection();
    EXPECT_NE(list->statusText().indexOf("line 1"), -1);
    EXPECT_EQ(editor.history().stack().count(), 3);
}

// A typed tag is shown; a message goes with the next action; row actions are
// greyed on the Special tab.
TEST_F(ChannelListTest, TypedTagIsShownMessagesClearAndSpecialTabGreysRowActions)
{
    using M = ChannelTableModel;
    ASSERT_FALSE(record(40).tagShown());
    ASSERT_TRUE(model->setData(cell(40, M::Tag), "NEW"));
    EXPECT_TRUE(record(40).tagShown());

    list->selectChannels({5});
    list->insertAtSelection();
    ASSERT_FALSE(list->statusText().isEmpty());
    ASSERT_TRUE(model->setData(cell(41, M::Tag), "NEXT"));
    EXPECT_TRUE(list->statusText().isEmpty()) << list->statusText().toStdString();

    list->showSpecialMemories();
    for (const char* name : {"Delete", "Paste", "MoveUp", "Insert", "Fill", "TuneRadio"})
        EXPECT_FALSE(list->findChild<QAction*>(name)->isEnabled()) << name;
    EXPECT_TRUE(list->findChild<QAction*>("Undo") != nullptr);
    list->findChild<QTabWidget*>("ListTabs")->setCurrentIndex(0);
    EXPECT_TRUE(list->findChild<QAction*>("Delete")->isEnabled());
}

TEST_F(ChannelListTest, DoubleClickOnANumberShowsThatChannelInTheEditor)
{
    table->scrollTo(table->model()->index(57, 0));
    const QRect visible = table->visualRect(table->model()->index(57, ChannelTableModel::Channel));
    // A double-click is a press and release, then a second press that the system calls double.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, visible.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, visible.center());
    EXPECT_EQ(editor.state().currentChannel, 57);
    EXPECT_EQ(editor.findChild<QLineEdit*>("CHnum")->text(), " 58");
    EXPECT_EQ(currentChannelByte(store()), 57);
}

TEST_F(ChannelListTest, SortingAndFilteringLeaveTheMemoryInItsOrder)
{
    list->findChild<QCheckBox*>("ActiveOnly")->setChecked(true);
    EXPECT_EQ(table->model()->rowCount(), 13);
    table->sortByColumn(ChannelTableModel::RxFrequency, Qt::AscendingOrder);
    EXPECT_EQ(table->model()->index(0, 0).data().toInt(), 200); // 1.91 MHz, the lowest
    EXPECT_EQ(store(), loaded);
    list->findChild<QLineEdit*>("Filter")->setText("rpt");
    EXPECT_EQ(table->model()->rowCount(), 2);
    list->findChild<QLineEdit*>("Filter")->setText("145.5");
    EXPECT_EQ(table->model()->rowCount(), 1);
}

TEST_F(ChannelListTest, DoneWritesTheCellBeingTypedAndCancelClosesTheList)
{
    const QModelIndex tag = table->model()->index(3, ChannelTableModel::Tag);
    table->setCurrentIndex(tag);
    table->edit(tag);
    auto* typing = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(typing, nullptr);
    typing->setText("NEW");
    const std::string saved = folder.file("saved.bin");
    editor.findChild<QLineEdit*>("Savename")->setText(QString::fromStdString(saved));
    QTest::mouseClick(editor.findChild<QPushButton*>("Done"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    const auto written = BlockStore::load(*readWholeFile(saved));
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(ChannelRecordView::forChannel(*written, 3).tag(), "NEW     ");

    editor.present();
    editor.openChannelList();
    EXPECT_TRUE(list->isVisible());
    QTest::mouseClick(editor.findChild<QPushButton*>("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
}

} // namespace
} // namespace ft817
