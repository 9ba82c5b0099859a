// "~" in a path box: the home folder, as a shell reads it, and nothing else.

#include "platform/qt_path.h"

#include <QDir>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(ExpandedPath, TildeAloneOrBeforeASlashIsTheHomeFolder)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(expandedPath("~"), home);
    EXPECT_EQ(expandedPath("~/radio.bin"), home + "/radio.bin");
    EXPECT_EQ(expandedPath("~/"), home + "/");
#ifdef _WIN32
    EXPECT_EQ(expandedPath("~\\radio.bin"), home + "\\radio.bin");
#else
    EXPECT_EQ(expandedPath("~\\radio.bin"), "~\\radio.bin");
#endif
    for (const char* unchanged : {"", "radio.bin", "/tmp/radio.bin", "c:\\nebl1.bin", "~radio.bin",
                                  "~user/radio.bin", "radios/~/radio.bin", " ~/radio.bin"})
        EXPECT_EQ(expandedPath(unchanged), unchanged) << unchanged;
}

} // namespace
} // namespace ft817
