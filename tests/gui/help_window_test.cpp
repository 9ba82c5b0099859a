// The help window: the README's owner sections, opened by F1 in every window.

#include "app/main_window.h"
#include "editor/edit_history.h"
#include "editor/radio_settings_window.h"
#include "gui/help_window.h"
#include "support/fake_serial_port.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(HelpWindow, HoldsTheOwnersSectionsOfTheReadmeAndNotTheDevelopers)
{
    const QString help = helpText();
    for (const char* section :
         {"## Clone mode on the radio", "## Fast transfers", "## Where the image file goes"})
        EXPECT_NE(help.indexOf(section), -1) << section;
    for (const char* section : {"## For developers", "## Building on Windows", "## Installing it as"})
        EXPECT_EQ(help.indexOf(section), -1) << section;
}

TEST(HelpWindow, HoldsNoBuildCommands)
{
    EXPECT_FALSE(helpText().contains(QRegularExpression("(?m)^.*cmake.*$")));
}

// The help window on show, or null.
QTextBrowser* shownHelp()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "HelpWindow" && top->isVisible())
            return qobject_cast<QTextBrowser*>(top);
    return nullptr;
}

TEST(HelpWindow, F1InTheSettingsWindowOpensItAtTheSettingsSection)
{
    RadioSettingsWindow window(std::make_shared<EditHistory>());
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QTextBrowser* help = shownHelp();
    ASSERT_NE(help, nullptr);
    // The heading is the first line in sight.
    const QTextBlock top = help->cursorForPosition(QPoint(8, 8)).block();
    EXPECT_EQ(top.text(), "The radio's menu settings");
    EXPECT_GT(help->verticalScrollBar()->value(), 0);
    help->close();
}

TEST(HelpWindow, F1InTheMainWindowOpensIt)
{
    test::FakeSerialPort radio;
    MainWindow window(test::fakeDevice(radio));
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QTextBrowser* help = shownHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_NE(help->toPlainText().indexOf("Clone mode on the radio"), -1);
    help->close();
}

} // namespace
} // namespace ft817
