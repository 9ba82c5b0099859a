#include "platform/qt_history_folder.h"

#include "platform/qt_path.h"

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
    return corePath(data + "/" + kApplicationName + "/history");
}

} // namespace ft817
