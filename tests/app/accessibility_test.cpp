// Every window as a screen reader meets it: each control that takes the focus
// has a name (a drop-down list: a label tied to it, since the list's own name
// is its current text), and each window can be left and crossed by keyboard.

#include "app/calibration_dialog.h"
#include "app/main_window.h"
#include "cat/cat_window.h"
#include "editor/channel_list_window.h"
#include "editor/editor_window.h"
#include "editor/radio_settings_window.h"
#include "gui/help_window.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"
#include "top_level.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ft817 {
namespace {

// Roles whose children are rows and cells of data, named by what they hold.
bool holdsData(QAccessible::Role role)
{
    return role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::ComboBox || role == QAccessible::PageTabList || role == QAccessible::Document;
}

// The focusable controls under iface that a screen reader could not name.
void findUnnamed(QAccessibleInterface* iface, std::vector<std::string>& unnamed)
{
    if (!iface || !iface->isValid())
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    const QAccessible::Role role = iface->role();
    QObject* object = iface->object();
    const std::string who = (object ? object->objectName().toStdString() : std::string("?")) + " (role " +
                            std::to_string(static_cast<int>(role)) + ")";
    if (state.focusable) {
        if (role == QAccessible::ComboBox) {
            if (iface->relations(QAccessible::Label).isEmpty())
                unnamed.push_back(who + ": no label tied to it");
            // A list one can type into holds a text box a screen reader reaches on its own.
            const auto* list = qobject_cast<QComboBox*>(object);
            if (list && list->lineEdit() &&
                QAccessible::queryAccessibleInterface(list->lineEdit())
                    ->text(QAccessible::Name)
                    .trimmed()
                    .isEmpty())
                unnamed.push_back(who + ": its text box has no name");
        } else if (iface->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(who + ": no name");
        }
    }
    if (holdsData(role))
        return;
    for (int k = 0; k < iface->childCount(); ++k)
        findUnnamed(iface->child(k), unnamed);
}

std::vector<std::string> unnamedControls(QWidget* window)
{
    std::vector<std::string> unnamed;
    findUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

class AccessibilityTest : public testing::Test {
protected:
    void SetUp() override
    {
        const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
        path = folder.file("radio.bin");
        ASSERT_TRUE(writeWholeFile(path, *buildImageFile(memory.image, memory.blockLengths)).ok());
        editor.setWarningReporter([](const QString&) {});
        ASSERT_TRUE(editor.edit(QString::fromStdString(path)).ok());
        editor.present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }
    void expectNamed(QWidget* window)
    {
        ASSERT_NE(window, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        for (const std::string& control : unnamedControls(window))
            ADD_FAILURE() << window->objectName().toStdString() << ": " << control;
    }

    test::TempDir folder;
    std::string path;
    test::FakeSerialPort radio;
    EditorWindow editor;
};

TEST_F(AccessibilityTest, EveryFocusableControlOfEveryWindowHasAName)
{
    MainWindow main(test::fakeDevice(radio));
    expectNamed(&main);
    expectNamed(&editor);
    editor.openChannelList();
    expectNamed(editor.channelList());
    editor.channelList()->findChild<QTabWidget*>()->setCurrentIndex(1);
    expectNamed(editor.channelList());
    editor.openSettings();
    expectNamed(editor.settingsWindow());
    CatWindow cat([this] { return test::fakeDevice(radio); });
    expectNamed(&cat);
    CalibrationDialog calibration(test::fakeDevice(radio));
    expectNamed(&calibration);
    showHelpWindow();
    expectNamed(test::topLevel("HelpWindow"));
}

// The keys a person without a mouse needs: Ctrl+F to Find, Ctrl+Tab out of
// the grid, the toolbar in the Tab order, Ctrl+Tab through the settings'
// tabs, and Escape closing the settings and the help.
TEST_F(AccessibilityTest, KeysReachFindLeaveTheGridChangeTabsAndClose)
{
    const auto focused = [] { return QApplication::focusWidget(); };
    editor.openChannelList();
    ChannelListWindow* list = editor.channelList();
    QApplication::setActiveWindow(list);
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    auto* table = list->findChild<QTableView*>("ChannelTable");
    table->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(table, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(focused(), list->findChild<QWidget*>("Filter"));
    table->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_NE(focused(), nullptr);
    EXPECT_NE(focused(), table);
    EXPECT_TRUE(list->isAncestorOf(focused()));
    for (QToolButton* tool : list->findChild<QToolBar*>("ListTools")->findChildren<QToolButton*>())
        EXPECT_TRUE(tool->focusPolicy() & Qt::TabFocus) << tool->text().toStdString();

    editor.openSettings();
    RadioSettingsWindow* settings = editor.settingsWindow();
    QApplication::setActiveWindow(settings);
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    auto* tabs = settings->findChild<QTabWidget*>("SettingsTabs");
    tabs->setCurrentIndex(0);
    QTest::keyClick(focused() ? focused() : settings, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(focused() ? focused() : settings, Qt::Key_Escape);
    EXPECT_FALSE(settings->isVisible());

    showHelpWindow();
    QWidget* help = test::topLevel("HelpWindow");
    ASSERT_NE(help, nullptr);
    QApplication::setActiveWindow(help);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return !test::topLevel("HelpWindow"); }, 2000));
}

// The file controls beside the design's own: "Save as…" in the editor is
// named and follows Settings… in the Tab order; the main window's "Open…"
// and "Save as…" have keys.
TEST_F(AccessibilityTest, FileControlsAreNamedAndReachedByKeys)
{
    auto* saveAs = editor.findChild<QPushButton*>("SaveAs");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->accessibleName(), "Save as");
    EXPECT_FALSE(saveAs->accessibleDescription().isEmpty());
    EXPECT_EQ(editor.findChild<QWidget*>("Settings")->nextInFocusChain(), saveAs);
    EXPECT_TRUE(saveAs->focusPolicy() & Qt::TabFocus);

    MainWindow main(test::fakeDevice(radio));
    EXPECT_EQ(main.findChild<QAction*>("Open")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(main.findChild<QAction*>("SaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

} // namespace
} // namespace ft817
