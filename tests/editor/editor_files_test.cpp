// The editor's file as its owner meets it: the caption names the file and
// says when changes are not saved, Save as… chooses the file Done writes,
// "~" in the file name box is the home folder, and leaving by the window's
// frame keeps what was being typed, as Cancel does.

#include "editor_window_fixture.h"

#include "editor/channel_list_window.h"
#include "editor/edit_history.h"
#include "editor/radio_settings_window.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QUndoStack>

#include <filesystem>

namespace ft817::test {
namespace {

// Points the home folder ("~") at folder while it lives.
class HomeOverride {
public:
    explicit HomeOverride(const std::string& folder)
        : m_old(qgetenv(kName)), m_had(qEnvironmentVariableIsSet(kName))
    {
        qputenv(kName, QByteArray::fromStdString(folder));
    }
    ~HomeOverride()
    {
        if (m_had)
            qputenv(kName, m_old);
        else
            qunsetenv(kName);
    }
    HomeOverride(const HomeOverride&) = delete;
    HomeOverride& operator=(const HomeOverride&) = delete;

private:
#ifdef _WIN32
    static constexpr const char* kName = "USERPROFILE";
#else
    static constexpr const char* kName = "HOME";
#endif
    QByteArray m_old;
    bool m_had;
};

class EditorFilesTest : public EditorWindowTest {
protected:
    MemoryImage twoChannels()
    {
        MemoryImage image;
        image.setActive(0);
        image.setActive(1);
        return image;
    }
    // Types text into a box and presses Enter, as the person does.
    void enter(const char* name, const QString& text)
    {
        QLineEdit* field = box(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

TEST_F(EditorFilesTest, CaptionNamesTheFileAndMarksChangesUntilDone)
{
    EXPECT_EQ(window->windowTitle(), "YAESU Edit");
    const std::string path = openImage(twoChannels(), "club.bin");
    presentAndActivate();
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - club.bin");
    EXPECT_FALSE(window->hasUnsavedChanges());

    // Going from channel to channel is no change of the owner's.
    QTest::mouseClick(button("Chup"), Qt::LeftButton);
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - club.bin");
    EXPECT_FALSE(window->hasUnsavedChanges());

    enter("CHfreq", "14552500");
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - club.bin (unsaved changes)");
    EXPECT_TRUE(window->hasUnsavedChanges());

    // Undone, the image is the file's again.
    window->history().stack().undo();
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - club.bin");
    window->history().stack().redo();
    EXPECT_TRUE(window->hasUnsavedChanges());

    // Done under another name: the caption names the file written.
    box("Savename")->setText(QString::fromStdString(folder.file("new.bin")));
    button("Done")->click();
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - new.bin");
    EXPECT_TRUE(warnings.empty());
    EXPECT_NE(fileBytes(folder.file("new.bin")), fileBytes(path));
}

TEST_F(EditorFilesTest, ClosingByTheFrameKeepsTheEntryBeingTyped)
{
    openImage(twoChannels());
    presentAndActivate();
    QLineEdit* frequency = box("CHfreq");
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, "43312500");
    QSignalSpy left(window.get(), &EditorWindow::left);
    window->close();
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(window->state().record().rxFrequency(), 43312500u);
    EXPECT_TRUE(window->hasUnsavedChanges());
}

TEST_F(EditorFilesTest, LeavingKeepsTheChannelListCellBeingTyped)
{
    openImage(twoChannels());
    presentAndActivate();
    window->openChannelList();
    ChannelListWindow* list = window->channelList();
    auto* table = list->findChild<QTableView*>("ChannelTable");
    QApplication::setActiveWindow(list);
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    table->setFocus();
    table->setCurrentIndex(table->model()->index(1, 2));
    QTest::keyClick(table, Qt::Key_F2);
    QWidget* cell = QApplication::focusWidget();
    ASSERT_NE(cell, table);
    QTest::keyClicks(cell, "145.500");
    button("Cancel")->click();
    EXPECT_EQ(ChannelRecordView::forChannel(window->state().store, 1).rxFrequency(), 14550000u);
}

TEST_F(EditorFilesTest, SaveAsWritesTheChosenFileAndLeaves)
{
    openImage(twoChannels(), "radio.bin");
    presentAndActivate();
    std::vector<QString> asked;
    const std::string chosen = folder.file("copy.bin");
    window->setFileChooser([&](QWidget*, FileChoice choice, const QString& current) {
        EXPECT_EQ(choice, FileChoice::Save);
        asked.push_back(current);
        return QString::fromStdString(chosen);
    });
    enter("CHfreq", "14552500");
    QSignalSpy saved(window.get(), &EditorWindow::saved);
    QTest::mouseClick(button("SaveAs"), Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].toStdString(), folder.file("radio.bin"));
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(QDir::fromNativeSeparators(saved.at(0).at(0).toString()).toStdString(),
              QDir::fromNativeSeparators(QString::fromStdString(chosen)).toStdString());
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(ChannelRecordView::forChannel(*BlockStore::load(fileBytes(chosen)), 0).rxFrequency(),
              14552500u);

    // A dialog closed without a choice saves nothing and stays.
    window->setFileChooser([](QWidget*, FileChoice, const QString&) { return QString(); });
    presentAndActivate();
    QTest::mouseClick(button("SaveAs"), Qt::LeftButton);
    EXPECT_FALSE(window->isHidden());
}

TEST_F(EditorFilesTest, TildeInTheFileNameBoxIsTheHomeFolder)
{
    const HomeOverride home(folder.path().string());
    std::filesystem::create_directory(folder.path() / "radios");
    twoChannels().writeTo(folder.file("radios/mine.bin"));
    ASSERT_TRUE(window->edit("~/radios/mine.bin").ok());
    EXPECT_EQ(window->windowTitle(), "YAESU Edit - mine.bin");
    EXPECT_EQ(box("Savename")->text(), "~/radios/mine.bin");
    box("Savename")->setText("~/radios/saved.bin");
    QSignalSpy saved(window.get(), &EditorWindow::saved);
    button("Done")->click();
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(saved.count(), 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "radios" / "saved.bin"));
}

// On a small screen (the offscreen screen is 800 x 600) the channel list and
// the settings open inside the screen and leave the editor's Done and Cancel
// in sight, whichever opens first.
TEST_F(EditorFilesTest, ListAndSettingsOpenOnScreenBesideOrBelowTheEditor)
{
    openImage(twoChannels());
    presentAndActivate();
    const QRect screen = window->screen()->availableGeometry();
    for (const QPoint& editorAt : {QPoint(0, 0), QPoint(200, 150), screen.bottomRight() - QPoint(430, 320)}) {
        SCOPED_TRACE(editorAt.x());
        window->move(editorAt);
        window->openChannelList();
        window->openSettings();
        const QRect editor = window->frameGeometry();
        for (QWidget* other : {static_cast<QWidget*>(window->channelList()),
                               static_cast<QWidget*>(window->settingsWindow())}) {
            SCOPED_TRACE(other->objectName().toStdString());
            const QRect frame = other->frameGeometry();
            EXPECT_TRUE(screen.contains(frame))
                << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
            EXPECT_FALSE(frame.intersects(editor));
        }
        EXPECT_TRUE(screen.contains(editor));
        button("Cancel")->click();
        presentAndActivate();
    }
}

} // namespace
} // namespace ft817::test
