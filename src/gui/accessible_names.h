#pragma once
// What a screen reader says for a control: its name (what it is) and its
// description (what it does or holds). Drop-down lists are named by a label
// tied to them, since the list's own name is the entry it shows.

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace ft817 {

// Sets the name and, when given, the description a screen reader reads.
void describeControl(QWidget* control, const QString& name, const QString& description = {});

// A label tied to list that screen readers read with it, taking no room on
// screen (the window keeps its look); list gets the name and description too.
QLabel* tieListLabel(QComboBox* list, const QString& name, const QString& description = {});

// Escape closes (hides) window, as it does a dialog.
void closeOnEscape(QWidget* window);

} // namespace ft817
