#pragma once
// The language of the windows: the desktop's (the system locale) unless the
// person chose another in the main window's "Language" submenu, kept for the
// next start. The catalogues are built into the program (translations/*.ts);
// English needs none. Numbers keep the radio's notation in every language.

#include <QMenu>
#include <QString>
#include <QStringList>

namespace ft817 {

// The languages built in besides English, by their codes ("de", "ja").
QStringList builtInLanguages();

// The language chosen in the menu; empty when the desktop's is followed.
QString chosenLanguage();
void chooseLanguage(const QString& code);

// Installs the catalogue of the chosen (else the desktop's) language into the
// running application, with Qt's own texts (dialog buttons) where the system
// has them. Returns the language in use ("en" when no catalogue fits).
QString installLanguage();

// The "Language" submenu: the desktop's language, English and each language
// built in, each by its own name; the choice is kept and takes effect on the
// next start.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget* parent = nullptr);
};

} // namespace ft817
