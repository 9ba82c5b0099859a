// The channel list's "Save as PDF…": the sheet of the memory as the list
// holds it now, unsaved changes included, with the file's name at the top.

#include "channel_list_fixture.h"
#include "editor/channel_list_window.h"
#include "editor/editor_window.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/temp_dir.h"
#include "text/text_format.h"

#include <QAction>
#include <QKeySequence>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>

namespace ft817 {
namespace {

TEST(ChannelListSheet, SaveAsPdfWritesTheSheetOfTheMemoryAsItIsNow)
{
    test::TempDir folder;
    EditorWindow editor;
    ChannelListWindow* list = test::openChannelListOn(editor, folder.file("radio.bin"), sim::Model::FT817);
    ASSERT_NE(list, nullptr);

    // A tool of the toolbar, in the Tab order, named for screen readers, and usable on both tabs.
    auto* save = list->findChild<QAction*>("SaveSheet");
    ASSERT_NE(save, nullptr);
    QToolButton* button = nullptr;
    for (QToolButton* tool : list->findChild<QToolBar*>("SheetTools")->findChildren<QToolButton*>())
        if (tool->defaultAction() == save)
            button = tool;
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(button->accessibleName(), "Save as PDF");
    EXPECT_FALSE(button->accessibleDescription().isEmpty());
    list->findChild<QTabWidget*>("ListTabs")->setCurrentIndex(1);
    EXPECT_TRUE(save->isEnabled());
    // Print… where Qt Print Support is built: on Linux, not in the Windows build.
#ifdef _WIN32
    EXPECT_EQ(list->findChild<QAction*>("PrintSheet"), nullptr);
#else
    ASSERT_NE(list->findChild<QAction*>("PrintSheet"), nullptr);
    EXPECT_EQ(list->findChild<QAction*>("PrintSheet")->shortcut(), QKeySequence(QKeySequence::Print));
#endif

    // A change not yet saved with Done is on the sheet.
    QAbstractItemModel* model = list->findChild<QTableView*>("ChannelTable")->model();
    ASSERT_TRUE(model->setData(model->index(30, 2), "145.6125"));
    const std::string pdf = folder.file("radio-sheet.pdf");
    ASSERT_TRUE(list->saveSheet(QString::fromStdString(pdf))) << list->statusText().toStdString();
    // One page or two: the paper is the user's country's, and the specials follow the channels.
    EXPECT_TRUE(list->statusText().startsWith("Saved the channel sheet ("))
        << list->statusText().toStdString();
    EXPECT_TRUE(list->statusText().endsWith(" as " + QString::fromStdString(pdf)))
        << list->statusText().toStdString();
    ASSERT_TRUE(std::filesystem::exists(pdf));
#ifndef _WIN32
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext did not run (scripts/install-deps installs it)";
    const std::string words = text.readAllStandardOutput().toStdString();
    EXPECT_NE(words.find("File: radio.bin"), std::string::npos) << words;
    EXPECT_NE(words.find("145.61250"), std::string::npos) << words;
    for (const sim::DefaultChannel& channel : sim::defaultChannels())
        EXPECT_NE(words.find(megahertzText(channel.frequency)), std::string::npos) << channel.number + 1;
#endif

    // A folder is no file to write: nothing is written and the status bar says why.
    EXPECT_FALSE(list->saveSheet(QString::fromStdString(folder.file(""))));
    EXPECT_TRUE(list->statusText().startsWith("The channel sheet was not saved: "))
        << list->statusText().toStdString();
}

} // namespace
} // namespace ft817
