// Files in the main window as owners expect them: "Open…" and "Save as…" on
// the background's right-click menu, "~" in the path box, and an Edit that
// would lose the changes kept from a Cancel asks first.

#include "app/main_window.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"
#include "top_level.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace ft817 {
namespace {

class MainWindowFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
        image = *buildImageFile(memory.image, memory.blockLengths);
        ASSERT_TRUE(writeWholeFile(folder.file("radio.bin"), image).ok());
        window.setFileChooser([this](QWidget*, FileChoice choice, const QString& current) {
            asked.emplace_back(choice, current);
            return chosen;
        });
        path()->setText(QString::fromStdString(folder.file("radio.bin")));
        activate(&window);
    }
    void activate(QWidget* shown)
    {
        shown->show();
        QApplication::setActiveWindow(shown);
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    }
    QLineEdit* path() { return window.findChild<QLineEdit*>("Text1"); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    QWidget* editor() { return test::topLevel("Form2"); }
    void clickEdit() { QTest::mouseClick(window.findChild<QWidget*>("Command3"), Qt::LeftButton); }
    // Types a frequency into the editor's CHfreq and presses Enter.
    void typeFrequency(const char* text)
    {
        activate(editor());
        auto* frequency = editor()->findChild<QLineEdit*>("CHfreq");
        frequency->setFocus();
        frequency->selectAll();
        QTest::keyClicks(frequency, text);
        QTest::keyClick(frequency, Qt::Key_Return);
    }
    QString shownFrequency() { return editor()->findChild<QLineEdit*>("CHfreq")->text().trimmed(); }
    QMessageBox* question() { return window.findChild<QMessageBox*>("DiscardChangesQuestion"); }
    void answer(const QString& text)
    {
        ASSERT_NE(question(), nullptr);
        for (QAbstractButton* button : question()->buttons())
            if (button->text() == text)
                return button->click();
        FAIL() << "no button " << text.toStdString();
    }

    test::TempDir folder;
    Bytes image;
    test::FakeSerialPort radio;
    MainWindow window{test::fakeDevice(radio)};
    QString chosen;
    std::vector<std::pair<FileChoice, QString>> asked;
};

TEST_F(MainWindowFilesTest, OpenAndSaveAsComeFirstOnTheBackgroundMenu)
{
    const QList<QAction*> items = window.actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Open…");
    EXPECT_EQ(items[1]->text(), "Save as…");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(item("Open")->shortcut(), QKeySequence(QKeySequence::Open));
}

TEST_F(MainWindowFilesTest, OpenPutsTheChosenFileInThePathBoxAndEditsIt)
{
    ASSERT_TRUE(writeWholeFile(folder.file("other.bin"), image).ok());
    chosen = QString::fromStdString(folder.file("other.bin"));
    item("Open")->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, FileChoice::Open);
    EXPECT_EQ(asked[0].second.toStdString(), folder.file("radio.bin"));
    EXPECT_EQ(QDir::fromNativeSeparators(path()->text()), QDir::fromNativeSeparators(chosen));
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(editor()->windowTitle(), "YAESU Edit - other.bin");

    // No choice: nothing changes.
    editor()->close();
    chosen.clear();
    item("Open")->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QDir::fromNativeSeparators(path()->text()).toStdString(),
              QDir::fromNativeSeparators(QString::fromStdString(folder.file("other.bin"))).toStdString());
}

TEST_F(MainWindowFilesTest, SaveAsCopiesTheImageFileAndNamesTheCopy)
{
    chosen = QString::fromStdString(folder.file("copy.bin"));
    item("SaveAs")->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, FileChoice::Save);
    EXPECT_EQ(*readWholeFile(folder.file("copy.bin")), image);
    EXPECT_EQ(QDir::fromNativeSeparators(path()->text()), QDir::fromNativeSeparators(chosen));

    // Without a file yet, Save as… only names the file Download will write.
    path()->setText(QString::fromStdString(folder.file("not-yet.bin")));
    chosen = QString::fromStdString(folder.file("later.bin"));
    item("SaveAs")->trigger();
    EXPECT_FALSE(std::filesystem::exists(folder.file("later.bin")));
    EXPECT_EQ(QDir::fromNativeSeparators(path()->text()), QDir::fromNativeSeparators(chosen));
}

TEST_F(MainWindowFilesTest, TildeInThePathBoxIsTheHomeFolder)
{
#ifdef _WIN32
    const char* home = "USERPROFILE";
#else
    const char* home = "HOME";
#endif
    const QByteArray old = qgetenv(home);
    qputenv(home, QByteArray::fromStdString(folder.path().string()));
    path()->setText("~/radio.bin");
    clickEdit();
    const bool opened = editor() && editor()->isVisible();
    qputenv(home, old);
    ASSERT_TRUE(opened) << window.findChild<QLineEdit*>("Text2")->text().toStdString();
    EXPECT_EQ(editor()->windowTitle(), "YAESU Edit - radio.bin");
}

TEST_F(MainWindowFilesTest, EditAfterCancelWithChangesAsksDiscardOrKeepEditing)
{
    clickEdit();
    ASSERT_NE(editor(), nullptr);
    typeFrequency("14552500");
    QTest::mouseClick(editor()->findChild<QWidget*>("Cancel"), Qt::LeftButton);
    ASSERT_TRUE(window.isVisible());

    // Keep editing: back in the editor with the change.
    activate(&window);
    clickEdit();
    ASSERT_NE(question(), nullptr);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(editor()->isVisible());
    // While the question is open, another Edit asks nothing more.
    clickEdit();
    EXPECT_EQ(window.findChildren<QMessageBox*>("DiscardChangesQuestion").size(), 1);
    answer("Keep editing");
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shownFrequency(), "14552500");

    // Discard: the file as it is.
    editor()->close();
    activate(&window);
    clickEdit();
    answer("Discard");
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_NE(shownFrequency(), "14552500");
    EXPECT_EQ(editor()->windowTitle(), "YAESU Edit - radio.bin");
}

TEST_F(MainWindowFilesTest, EditAfterCancelWithoutChangesAsksNothing)
{
    clickEdit();
    activate(editor());
    // Stepping through the channels changes nothing the owner made.
    QTest::mouseClick(editor()->findChild<QWidget*>("Chup"), Qt::LeftButton);
    QTest::mouseClick(editor()->findChild<QWidget*>("Cancel"), Qt::LeftButton);
    activate(&window);
    clickEdit();
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(editor()->isVisible());

    // Nor after Done saved the changes.
    typeFrequency("14552500");
    QTest::mouseClick(editor()->findChild<QWidget*>("Done"), Qt::LeftButton);
    activate(&window);
    clickEdit();
    EXPECT_EQ(question(), nullptr);
    EXPECT_EQ(shownFrequency(), "14552500");
}

} // namespace
} // namespace ft817
