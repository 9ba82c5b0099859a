#include "gui/help_window.h"

#include "gui/accessible_names.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace ft817 {
namespace {

// Sections of the README for people building or packaging the program, not for owners.
bool forDevelopers(const QString& heading)
{
    return heading.startsWith("Installing it as") || heading.startsWith("Building") ||
           heading.startsWith("For developers");
}

// The text block `place` names: a heading with that text, else the first
// paragraph holding those words.
QTextBlock blockAt(const QTextDocument& document, const QString& place)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0 && block.text() == place)
            return block;
    return document.find(place, 0, QTextDocument::FindCaseSensitively).block();
}

// Puts the block named by `place` at the top of the window.
void scrollTo(QTextBrowser& browser, const QString& place)
{
    const QTextBlock block = blockAt(*browser.document(), place);
    if (!block.isValid())
        return;
    const QRectF where = browser.document()->documentLayout()->blockBoundingRect(block);
    browser.verticalScrollBar()->setValue(static_cast<int>(where.top()));
    QTextCursor cursor(block);
    browser.setTextCursor(cursor);
}

} // namespace

QString helpPlaceFor(const QWidget* window)
{
    static const QHash<QString, QString> kPlaces = {
        {"Form1", "Clone mode on the radio"},
        {"Form2", "Edit opens that file in the editor"},
        {"ChannelList", "Channels… opens all 200 channels"},
        {"RadioSettings", "The radio's menu settings"},
        {"Form3", "opens a small CAT window"},
        {"CalibrationBackup", "Your radio's calibration"},
    };
    return window ? kPlaces.value(window->objectName()) : QString();
}

QString helpText()
{
    QFile readme(":/help/README.md");
    if (!readme.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ft817::HelpWindow",
                                           "The help text is missing from this build of ft817clone.");
    const QString text = QString::fromUtf8(readme.readAll());
    // Cut at each second-level heading and keep the owner's sections.
    const QStringList sections = text.split(QRegularExpression("(?m)^(?=## )"));
    QString help = "# " + QCoreApplication::translate("ft817::HelpWindow", "ft817clone help") + "\n\n";
    for (const QString& section : sections) {
        if (!section.startsWith("## "))
            continue;
        if (!forDevelopers(section.mid(3, section.indexOf('\n') - 3)))
            help += section;
    }
    return help;
}

void showHelpWindow(const QString& place)
{
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setObjectName("HelpWindow");
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QCoreApplication::translate("ft817::HelpWindow", "ft817clone help"));
        window->setOpenExternalLinks(true);
        window->setMarkdown(helpText());
        window->resize(720, 640);
        describeControl(window, QCoreApplication::translate("ft817::HelpWindow", "Help"),
                        QCoreApplication::translate("ft817::HelpWindow", "How to use ft817clone"));
        closeOnEscape(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    scrollTo(*window, place);
}

void addHelpShortcut(QWidget* window)
{
    auto* help = new QShortcut(QKeySequence::HelpContents, window);
    help->setObjectName("HelpShortcut");
    QObject::connect(help, &QShortcut::activated, window, [window] { showHelpWindow(helpPlaceFor(window)); });
}

} // namespace ft817
