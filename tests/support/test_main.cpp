// Every test program runs inside a QApplication on the offscreen platform, so
// real widgets and the real serial code work without a display. The user's
// data and settings folders are a temporary folder of the test program's own
// (for the program and for every copy of ft817clone it starts), so no test
// ever reads or writes the real ones, such as the history of downloads.

#include "support/temp_dir.h"

#include <QApplication>
#include <QSettings>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const ft817::test::TempDir home;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.file("data")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.file("config")));
    QApplication app(argc, argv);
#ifdef _WIN32
    // Windows keeps settings in the registry, and only for a named
    // organisation: the tests keep theirs in a file in the same temporary folder.
    QCoreApplication::setOrganizationName("ft817clone-tests");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(home.file("config")));
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
