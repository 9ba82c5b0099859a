#include "platform/qt_history_folder.h"

#include "platform/qt_path.h"

#include <QDir>
#include <QStandardPaths>

namespace ft817 {

std::string historyFolder()
{
    // The application data folder of a program named ft817clone (what
    // AppDataLocation gives the program itself), whatever program asks:
    // the tests find the same folder as the windows and the commands.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    // In the system's own spelling, as messages show it (C:\Users\...\history on Windows).
    return corePath(QDir::toNativeSeparators(data + "/" + kApplicationName + "/history"));
}

} // namespace ft817
