#include "gui/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace ft817 {
namespace {

const char* const kLanguageKey = "interface/language";
const char* const kCatalogueFolder = ":/i18n";

// The catalogue for the locale's language, or none (English).
QString catalogueLanguage(const QLocale& locale)
{
    const QStringList languages = builtInLanguages();
    for (const QString& name : locale.uiLanguages()) {
        const QString code = name.section('-', 0, 0).toLower();
        if (code == "en")
            return "en";
        if (languages.contains(code))
            return code;
    }
    return "en";
}

} // namespace

QStringList builtInLanguages()
{
    QStringList codes;
    const QStringList files = QDir(kCatalogueFolder).entryList({"ft817clone_*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.section('_', 1).section('.', 0, 0);
    return codes;
}

QString chosenLanguage()
{
    return QSettings().value(kLanguageKey).toString();
}

void chooseLanguage(const QString& code)
{
    if (code.isEmpty())
        QSettings().remove(kLanguageKey);
    else
        QSettings().setValue(kLanguageKey, code);
}

QString installLanguage()
{
    const QString chosen = chosenLanguage();
    const QString language = catalogueLanguage(chosen.isEmpty() ? QLocale::system() : QLocale(chosen));
    if (language == "en")
        return language;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QString("%1/ft817clone_%2.qm").arg(kCatalogueFolder, language))) {
        delete own;
        return "en";
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (the Yes and No of a question): the system's where it has
    // them, else those built in.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load("qtbase_" + language, kCatalogueFolder))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(tr("Language"), parent)
{
    setObjectName("LanguageMenu");
    menuAction()->setObjectName("Language");
    auto* group = new QActionGroup(this);
    const QString chosen = chosenLanguage();
    const auto add = [&](const QString& code, const QString& label) {
        QAction* item = addAction(label);
        item->setObjectName("Language_" + (code.isEmpty() ? QString("desktop") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [code] { chooseLanguage(code); });
    };
    add({}, tr("The desktop's language (from the next start)"));
    add("en", "English");
    for (const QString& code : builtInLanguages())
        add(code, QLocale(code).nativeLanguageName());
}

} // namespace ft817
