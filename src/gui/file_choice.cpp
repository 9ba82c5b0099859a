#include "gui/file_choice.h"

#include "platform/qt_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace ft817 {
namespace {

// Where the dialog starts: the file named now when its folder exists (its
// name proposed for saving), else the home folder.
QString startingPlace(FileChoice choice, const QString& current)
{
    const QString path = expandedPath(current.trimmed());
    if (path.isEmpty())
        return homeFolder();
    const QFileInfo file(path);
    if (!file.absoluteDir().exists())
        return homeFolder();
    return choice == FileChoice::Save || file.exists() ? file.absoluteFilePath() : file.absolutePath();
}

} // namespace

QString chooseFileWithDialog(QWidget* parent, FileChoice choice, const QString& current)
{
    const QString filter =
        QCoreApplication::translate("ft817::FileChoice", "Memory images (*.bin *.img);;All files (*)");
    const QString start = startingPlace(choice, current);
    if (choice == FileChoice::Open)
        return QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("ft817::FileChoice", "Open a memory image"), start, filter);
    return QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ft817::FileChoice", "Save the memory image as"), start, filter);
}

} // namespace ft817
