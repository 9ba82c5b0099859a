// The history folder under a name in letters beyond ASCII (a user called
// Jürgen has such a data folder): copies are kept there and read back whole.

#include "image/image_history.h"
#include "platform/file_access.h"
#include "platform/file_path.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(ImageHistory, KeepsCopiesInAFolderNamedBeyondAscii)
{
    test::TempDir dir;
    const std::string replaced = dir.file("Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC.bin");
    const Bytes old = {1, 2, 3, 0xE4};
    ASSERT_TRUE(writeWholeFile(replaced, old).ok());
    const ImageHistory history(dir.file("J\xC3\xBCrgen") + "/history");

    const Result<std::string> kept = history.keepReplaced(replaced, "the download");
    ASSERT_TRUE(kept.ok()) << kept.error().full();
    EXPECT_EQ(kept->rfind(history.folder(), 0), 0u) << *kept;
    const Result<Bytes> read = readWholeFile(*kept);
    ASSERT_TRUE(read.ok()) << read.error().full();
    EXPECT_EQ(*read, old);

    // The same name twice in one second gets a number of its own, in the same folder.
    const Result<std::string> again = history.keepReplaced(replaced, "the download");
    ASSERT_TRUE(again.ok()) << again.error().full();
    EXPECT_NE(*again, *kept);
    EXPECT_TRUE(std::filesystem::exists(fileSystemPath(*again)));
}

// A file whose name is as long as a folder takes is kept under a name that fits.
TEST(ImageHistory, KeepsAFileWithTheLongestLegalName)
{
    test::TempDir dir;
    const std::string replaced = dir.file(std::string(251, 'r') + ".img");
    ASSERT_TRUE(writeWholeFile(replaced, Bytes{7}).ok());
    const ImageHistory history(dir.file("history"));
    const Result<std::string> kept = history.keepReplaced(replaced, "convert");
    ASSERT_TRUE(kept.ok()) << kept.error().full();
    EXPECT_EQ(*readWholeFile(*kept), Bytes{7});
}

TEST(FilePath, Utf8PathsCrossIntoTheFileSystemAndBackUnchanged)
{
    const std::string name = "Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC.bin";
    EXPECT_EQ(utf8Path(fileSystemPath(name)), name);
    EXPECT_EQ(utf8Path(fileSystemPath("a/" + name).filename()), name);
    EXPECT_EQ(utf8Path(fileSystemPath(name).stem()), "Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC");
}

} // namespace
} // namespace ft817
