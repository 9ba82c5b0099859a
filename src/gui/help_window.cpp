#include "gui/help_window.h"

#include "gui/accessible_names.h"

#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>

namespace ft817 {
namespace {

// Sections of the README for people building or packaging the program, not for owners.
bool forDevelopers(const QString& heading)
{
    return heading.startsWith("Installing it as") || heading.startsWith("Building") ||
           heading.startsWith("For developers");
}

} // namespace

QString helpText()
{
    QFile readme(":/help/README.md");
    if (!readme.open(QIODevice::ReadOnly))
        return "The help text is missing from this build of ft817clone.";
    const QString text = QString::fromUtf8(readme.readAll());
    // Cut at each second-level heading and keep the owner's sections.
    const QStringList sections = text.split(QRegularExpression("(?m)^(?=## )"));
    QString help = "# ft817clone help\n\n";
    for (const QString& section : sections) {
        if (!section.startsWith("## "))
            continue;
        if (!forDevelopers(section.mid(3, section.indexOf('\n') - 3)))
            help += section;
    }
    return help;
}

void showHelpWindow()
{
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setObjectName("HelpWindow");
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle("ft817clone help");
        window->setOpenExternalLinks(true);
        window->setMarkdown(helpText());
        window->resize(720, 640);
        describeControl(window, "Help", "How to use ft817clone");
        closeOnEscape(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void addHelpShortcut(QWidget* window)
{
    auto* help = new QShortcut(QKeySequence::HelpContents, window);
    help->setObjectName("HelpShortcut");
    QObject::connect(help, &QShortcut::activated, window, [] { showHelpWindow(); });
}

} // namespace ft817
