#include "cli/program.h"

#include "platform/qt_history_folder.h"

#include <QCoreApplication>

namespace ft817 {

const char* programVersion()
{
    return FT817_VERSION;
}

void nameProgram()
{
    QCoreApplication::setOrganizationName(kApplicationName);
    QCoreApplication::setApplicationName(kApplicationName);
    QCoreApplication::setApplicationVersion(programVersion());
}

} // namespace ft817
