// The channel list's Special tab beside a real editor window, offscreen, on a
// US radio's memory: the special memories edited in their cells with the
// channels' editors and undo, Done writing exactly what was changed, the scan
// limits' in-use flags and the 60 m channels that the law fixes.

#include "channel_list_fixture.h"
#include "editor/channel_list_window.h"
#include "editor/channel_table_model.h"
#include "editor/edit_history.h"
#include "editor/editor_window.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/special_memories.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

using M = ChannelTableModel;

class SpecialTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.file("radio.bin");
        list = test::openChannelListOn(editor, path, sim::Model::FT817NDUS);
        ASSERT_NE(list, nullptr);
        loaded = editor.state().store;
        // The Special tab, picked with the mouse on its tab.
        auto* tabs = list->findChild<QTabWidget*>("ListTabs");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(0), "Channels");
        EXPECT_EQ(tabs->tabText(1), "Special");
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        table = list->findChild<QTableView*>("SpecialTable");
        ASSERT_EQ(tabs->currentWidget(), table);
        specials = specialMemoriesOf(loaded);
        list->activateWindow();
        QApplication::setActiveWindow(list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(list));
        table->setFocus();
    }

    int rowOf(const std::string& name)
    {
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->model()->index(row, M::Channel).data().toString().toStdString() == name)
                return row;
        return -1;
    }
    Location where(const std::string& name) { return specialNamed(specials, name)->where; }

    // Types into a cell as a person does: F2, the text, Enter.
    void typeIntoCell(int row, int column, const QString& text)
    {
        table->setCurrentIndex(table->model()->index(row, column));
        QTest::keyClick(table, Qt::Key_F2);
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->parentWidget(), table->viewport()) << box->objectName().toStdString();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        // The cell's editor commits what was typed once the event loop turns.
        QCoreApplication::processEvents();
    }
    void pickInCell(int row, int column, const QString& entry)
    {
        table->setCurrentIndex(table->model()->index(row, column));
        QTest::keyClick(table, Qt::Key_F2);
        auto* choices = qobject_cast<QComboBox*>(QApplication::focusWidget());
        ASSERT_NE(choices, nullptr);
        const int position = choices->findText(entry);
        ASSERT_GE(position, 0);
        choices->setCurrentIndex(position);
        emit choices->activated(position);
    }

    test::TempDir folder;
    std::string path;
    EditorWindow editor;
    BlockStore loaded;
    ChannelListWindow* list = nullptr;
    QTableView* table = nullptr;
    std::vector<SpecialMemory> specials;
};

TEST_F(SpecialTabTest, EditingHomeAndPressingDoneChangesExactlyItsFrequency)
{
    ASSERT_EQ(table->model()->rowCount(), 42);
    const int home = rowOf("HOME 144 MHz");
    ASSERT_GE(home, 0);
    EXPECT_EQ(table->model()->index(home, M::RxFrequency).data().toString(), "146.00000");
    typeIntoCell(home, M::RxFrequency, "145.500");
    pickInCell(home, M::Mode, "FM");
    EXPECT_EQ(table->model()->index(home, M::RxFrequency).data().toString(), "145.50000");

    const std::string saved = folder.file("saved.bin");
    editor.findChild<QLineEdit*>("Savename")->setText(QString::fromStdString(saved));
    QTest::mouseClick(editor.findChild<QPushButton*>("Done"), Qt::LeftButton);
    const auto written = BlockStore::load(*readWholeFile(saved));
    ASSERT_TRUE(written.ok());
    BlockStore expected = loaded;
    ChannelRecord(expected, where("HOME 144 MHz")).setRxFrequency(14'550'000);
    EXPECT_EQ(*written, expected);
}

TEST_F(SpecialTabTest, ABandChangeMovesTheBandCodeAndUndoReachesBack)
{
    const int quick = rowOf("QMB");
    typeIntoCell(quick, M::RxFrequency, "7.1");
    typeIntoCell(quick, M::RxFrequency, "435.5");
    const ChannelRecordView record(editor.state().store, where("QMB"));
    EXPECT_EQ(record.rxFrequency(), 43'550'000u);
    EXPECT_EQ(record.rxBandCode(), 5);
    EXPECT_EQ(editor.history().stack().undoText(), "RX MHz of QMB");

    // The scan limits' in-use flag: both bits at once.
    const int low = rowOf("PMS-L");
    ASSERT_TRUE(table->model()->index(low, M::Active).flags() & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(table->model()->index(rowOf("QMB"), M::Active).flags() & Qt::ItemIsUserCheckable);
    table->setCurrentIndex(table->model()->index(low, M::Active));
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(editor.state().store.byte(27, 7), 0x06);
    EXPECT_EQ(editor.state().store.byte(53, 7), 0x02);

    list->activateWindow();
    QApplication::setActiveWindow(list);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.state().store, loaded);

    // Row actions belong to the Channels tab.
    list->deleteSelected();
    EXPECT_NE(list->statusText().indexOf("Channels tab"), -1);
    EXPECT_EQ(editor.state().store, loaded);
}

// A band record or HOME memory takes only frequencies of its band, and says its range.
TEST_F(SpecialTabTest, HomeAndBandRecordsRefuseFrequenciesOfAnotherBand)
{
    typeIntoCell(rowOf("HOME 430 MHz"), M::RxFrequency, "145.5");
    EXPECT_NE(list->statusText().indexOf("HOME 430 MHz holds only 430 MHz frequencies, 420-470 MHz"), -1)
        << list->statusText().toStdString();
    typeIntoCell(rowOf("VFO A 7 MHz"), M::RxFrequency, "145");
    EXPECT_NE(list->statusText().indexOf("0.1-33 MHz, not 145.00000 MHz"), -1)
        << list->statusText().toStdString();
    EXPECT_EQ(editor.state().store, loaded);
}

// A refusal longer than the status line is cut where its reason is: the tooltip holds it whole.
TEST_F(SpecialTabTest, TheStatusLinesWholeTextIsItsTooltip)
{
    typeIntoCell(rowOf("VFO A 7 MHz"), M::RxFrequency, "145");
    auto* line = list->findChild<QStatusBar*>("ListStatus");
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(list->statusText().isEmpty());
    EXPECT_EQ(line->toolTip(), list->statusText());
}

TEST_F(SpecialTabTest, TheSixtyMetreChannelsKeepTheirFrequencyAndModeAndSayWhy)
{
    const int sixty = rowOf("M-603");
    ASSERT_GE(sixty, 0);
    for (const int column : {M::RxFrequency, M::Mode, M::Shift, M::Offset}) {
        const QModelIndex cell = table->model()->index(sixty, column);
        EXPECT_FALSE(cell.flags() & Qt::ItemIsEditable) << column;
        EXPECT_NE(cell.data(Qt::ToolTipRole).toString().indexOf("US law fixes"), -1) << column;
    }
    EXPECT_FALSE(table->model()->setData(table->model()->index(sixty, M::RxFrequency), "5.4"));
    // Their tag is the owner's.
    typeIntoCell(sixty, M::Tag, "60M");
    EXPECT_EQ(ChannelRecordView(editor.state().store, where("M-603")).tag(), "60M     ");
    EXPECT_EQ(ChannelRecordView(editor.state().store, where("M-603")).rxFrequency(), 535'850u);
}

} // namespace
} // namespace ft817
