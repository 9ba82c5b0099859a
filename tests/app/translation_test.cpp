// The windows in German and in Japanese: every text added beside the window
// design is translated (a text the English windows show again, word for word,
// is one left behind, unless it is the design's own or the radio's name of a
// thing), no label or button cuts its text off, and no window outgrows a
// screen of 1366 x 768. Numbers keep the radio's notation in every locale.

#include "app/calibration_dialog.h"
#include "app/main_window.h"
#include "cat/cat_window.h"
#include "editor/channel_list_window.h"
#include "editor/editor_window.h"
#include "editor/radio_settings_window.h"
#include "gui/help_window.h"
#include "gui/language.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"
#include "text/text_format.h"
#include "top_level.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <set>
#include <string>

namespace ft817 {
namespace {

// Texts that stay as they are in every language: the window design's own,
// the radio's names of things and its menu's abbreviations, the languages'
// own names.
const std::set<QString> kKeptTexts = {"YAESU clone facility",
                                      "Save :",
                                      "Download",
                                      "Upload",
                                      "Edit",
                                      "Progress",
                                      "YAESU Edit",
                                      "Done",
                                      "Cancel",
                                      "Active",
                                      "Split",
                                      "VFO A",
                                      "VFO B",
                                      "Tag",
                                      "Tone",
                                      "Mute",
                                      "DCS",
                                      "Home",
                                      "CAT Control",
                                      "Memory Chanel number.",
                                      "Memory TX freq if split.",
                                      "Memory frequency.",
                                      "Memory tag.",
                                      "waiting",
                                      "English",
                                      "Deutsch",
                                      "Hex",
                                      "Simplex",
                                      "Tone SQL",
                                      "CW ID",
                                      "DIG DISP (x10 Hz)",
                                      "DIG SHIFT (x10 Hz)"};

// A text that stays as it is: one of the above, or a window's caption of the
// design followed by the name of the file it shows ("YAESU Edit - radio.bin").
bool isKept(const QString& text)
{
    const qsizetype dash = text.indexOf(" - ");
    return kKeptTexts.count(text) ||
           (dash > 0 && kKeptTexts.count(text.left(dash)) && !text.mid(dash + 3).contains(' '));
}

// A text of words, not a number, a code, an abbreviation or a device's path.
bool hasWords(const QString& text)
{
    static const QRegularExpression word("[a-z]{2,}");
    return !text.startsWith('/') && word.match(text).hasMatch();
}

// The texts a person reads in window and its children, with where each is.
std::multimap<QString, QString> textsOf(QWidget* window)
{
    std::multimap<QString, QString> texts;
    const auto add = [&](const QString& text, const QObject* where) {
        if (!text.trimmed().isEmpty())
            texts.emplace(text, where->objectName() + " in " + window->objectName());
    };
    add(window->windowTitle(), window);
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* widget : widgets) {
        add(widget->toolTip(), widget);
        add(widget->accessibleName(), widget);
        add(widget->accessibleDescription(), widget);
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text(), label);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text(), button);
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            add(box->title(), box);
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            add(line->placeholderText(), line);
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int k = 0; k < tabs->count(); ++k)
                add(tabs->tabText(k), tabs);
        if (auto* table = qobject_cast<QTableView*>(widget); table && table->model())
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                add(table->model()->headerData(column, Qt::Horizontal).toString(), table);
                add(table->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(), table);
            }
        for (QAction* action : widget->actions()) {
            add(action->text(), widget);
            add(action->toolTip() == QString(action->text()).remove("&") ? QString() : action->toolTip(),
                widget);
            if (QMenu* menu = action->menu())
                add(menu->title(), menu);
        }
    }
    return texts;
}

// The windows a person opens, made (and shown) in the language installed.
class Windows {
public:
    explicit Windows(const std::string& image)
        : main(test::fakeDevice(radio)), cat([this] { return test::fakeDevice(radio); }),
          calibration(test::fakeDevice(radio))
    {
        editor.setWarningReporter([](const QString&) {});
        EXPECT_TRUE(editor.edit(QString::fromStdString(image)).ok());
        editor.present();
        editor.openChannelList();
        editor.openSettings();
        showHelpWindow();
        for (QWidget* window : all()) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
    }
    ~Windows() { delete test::topLevel("HelpWindow"); }

    std::vector<QWidget*> all()
    {
        return {&main, &editor,      editor.channelList(),        editor.settingsWindow(),
                &cat,  &calibration, test::topLevel("HelpWindow")};
    }
    std::multimap<QString, QString> texts()
    {
        std::multimap<QString, QString> texts;
        for (QWidget* window : all()) {
            texts.merge(textsOf(window));
        }
        // The Special tab's headers too.
        auto* tabs = editor.channelList()->findChild<QTabWidget*>();
        tabs->setCurrentIndex(1);
        texts.merge(textsOf(editor.channelList()));
        tabs->setCurrentIndex(0);
        return texts;
    }

    test::FakeSerialPort radio;
    MainWindow main;
    EditorWindow editor;
    CatWindow cat;
    CalibrationDialog calibration;
};

// Installs language as the person's choice would, and takes it away again.
class Language {
public:
    explicit Language(const QString& code)
    {
        chooseLanguage(code);
        installed = installLanguage();
    }
    ~Language()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        chooseLanguage({});
    }
    QString installed;
};

class TranslationTest : public testing::Test {
protected:
    void SetUp() override
    {
        const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
        image = folder.file("radio.bin");
        ASSERT_TRUE(writeWholeFile(image, *buildImageFile(memory.image, memory.blockLengths)).ok());
    }

    test::TempDir folder;
    std::string image;
};

TEST_F(TranslationTest, GermanAndJapaneseLeaveNoAddedTextInEnglishAndCutNoTextOff)
{
    EXPECT_EQ(builtInLanguages(), QStringList({"de", "ja"}));
    std::set<QString> english;
    {
        Windows windows(image);
        for (const auto& [text, where] : windows.texts())
            english.insert(text);
    }
    for (const QString code : {"de", "ja"}) {
        const Language language(code);
        ASSERT_EQ(language.installed, code)
            << chosenLanguage().toStdString() << " " << builtInLanguages().join(",").toStdString();
        Windows windows(image);
        for (const auto& [text, where] : windows.texts()) {
            if (english.count(text) && hasWords(text) && !isKept(text))
                ADD_FAILURE() << code.toStdString() << ": \"" << text.toStdString() << "\" ("
                              << where.toStdString() << ") is still English";
        }
        // On a screen of 1366 x 768 (less the frame and the desktop's panel) every
        // window fits; one that can be resized is seen there at that size (the
        // test's own screen is smaller).
        const QSize screen(1366 - 20, 768 - 60);
        for (QWidget* window : windows.all()) {
            EXPECT_TRUE(window->minimumSizeHint().boundedTo(screen) == window->minimumSizeHint())
                << window->objectName().toStdString();
            if (window->minimumSize() != window->maximumSize())
                window->resize(screen);
        }
        QTest::qWait(20);
        for (QWidget* window : windows.all()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                // Labels tied to lists for screen readers take no room on screen.
                if (label->window() != window || !label->isVisibleTo(window) || label->width() == 0 ||
                    label->wordWrap() || label->textFormat() == Qt::RichText || label->text().contains('\n'))
                    continue;
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                          label->contentsRect().width())
                    << code.toStdString() << ": label " << label->objectName().toStdString() << " \""
                    << label->text().toStdString() << "\" is cut off";
            }
            for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
                if (line->window() != window || !line->isVisibleTo(window) ||
                    line->placeholderText().isEmpty())
                    continue;
                // The hint's text within the box's frame and margins.
                EXPECT_LE(line->fontMetrics().horizontalAdvance(line->placeholderText()) + 8, line->width())
                    << code.toStdString() << ": hint of " << line->objectName().toStdString() << " \""
                    << line->placeholderText().toStdString() << "\" is cut off";
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                // The design's own buttons keep the design's sizes.
                if (button->window() != window || !button->isVisibleTo(window) || button->text().isEmpty() ||
                    kKeptTexts.count(button->text()))
                    continue;
                // A push button's size hint never goes below the style's least
                // width, which the small buttons beside the design's are under:
                // for those the text within the frame and margins is what counts.
                int needed = button->sizeHint().width();
                if (qobject_cast<QPushButton*>(button)) {
                    const int around =
                        button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
                    needed = std::min(needed,
                                      button->fontMetrics().horizontalAdvance(button->text()) + 2 * around);
                }
                EXPECT_LE(needed, button->width())
                    << code.toStdString() << ": button " << button->objectName().toStdString() << " \""
                    << button->text().toStdString() << "\" is cut off";
            }
        }
    }
}

// German writes 145,725 for numbers; the windows keep the radio's 145.72500.
TEST_F(TranslationTest, FrequenciesKeepTheRadiosNotationInAGermanLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
#ifdef _WIN32
    const char* german = "German_Germany.1252"; // the C library's name there
#else
    const char* german = "de_DE.UTF-8";
#endif
    ASSERT_NE(std::setlocale(LC_ALL, german), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const Language language("de");
    EXPECT_EQ(megahertzText(14572500), "145.72500");
    Windows windows(image);
    auto* meaning = windows.editor.findChild<QLabel*>("CHfreqMeaning");
    ASSERT_NE(meaning, nullptr);
    EXPECT_TRUE(meaning->text().contains(QRegularExpression("^\\d+\\.\\d{5} MHz")))
        << meaning->text().toStdString();
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, before.c_str());
}

} // namespace
} // namespace ft817
