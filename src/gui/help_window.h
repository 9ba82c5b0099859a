#pragma once
// The help an owner reads in the program (F1 in every window, "Help" in the
// main window's right-click menu): the owner's sections of the README, built
// into the program, so the help and the README never tell different stories.

#include <QString>

class QWidget;

namespace ft817 {

// The owner's sections of the README as Markdown: what each button does,
// the radio's clone mode, files and the history folder, fast transfers, the
// channel list and the command line; without building and developer notes.
QString helpText();

// Shows the one help window (making it first if need be) and brings it to the front.
void showHelpWindow();

// Makes F1 in `window` open the help.
void addHelpShortcut(QWidget* window);

} // namespace ft817
