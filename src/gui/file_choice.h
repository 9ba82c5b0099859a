#pragma once
// Choosing an image file with the desktop's own file dialog, for "Open…" and
// "Save as…". The dialog opens in the folder of the file a window names now
// ("~" taken as the home folder), proposing that file's name when saving.

#include <QString>

#include <functional>

class QWidget;

namespace ft817 {

enum class FileChoice { Open, Save };

// Asks the person for a file; the chosen path, or empty when they gave none.
// current is the path the window's box holds (it may be empty or not exist).
using FileChooser = std::function<QString(QWidget* parent, FileChoice choice, const QString& current)>;

// The desktop's file dialog, modal to parent; saving asks before replacing a file.
QString chooseFileWithDialog(QWidget* parent, FileChoice choice, const QString& current);

} // namespace ft817
