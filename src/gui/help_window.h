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

// Where the help opens for a window: the README heading of its part ("The
// radio's menu settings" for the settings), or the words that start the
// paragraph about it where it has no section of its own; empty for none.
QString helpPlaceFor(const QWidget* window);

// Shows the one help window (making it first if need be), brings it to the
// front and scrolls it to `place` (a heading, or words of a paragraph).
void showHelpWindow(const QString& place = {});

// Makes F1 in `window` open the help at the window's part.
void addHelpShortcut(QWidget* window);

} // namespace ft817
