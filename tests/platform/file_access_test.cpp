// Whole-file reads and the atomic whole-file write: a failed write never
// leaves a half-written or emptied file behind. These run natively and, built
// for Windows, under wine (scripts/check-windows); where a system has no such
// thing as the other's fixture (a POSIX fifo, a Windows named pipe) each
// system checks the rule with its own.

#include "platform/file_access.h"
#include "platform/file_messages.h"
#include "support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace ft817 {
namespace {

TEST(FileAccess, WriteThenReadGivesTheSameBytes)
{
    test::TempDir dir;
    const Bytes bytes = {0, 1, 0xFF, 0x80, 0x0A, 0x0D};
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), bytes).ok());
    auto read = readWholeFile(dir.file("a.bin"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, bytes);
}

TEST(FileAccess, WritingOverALongerFileLeavesOnlyTheNewBytes)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), Bytes(5000, 7)).ok());
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), Bytes(10, 9)).ok());
    EXPECT_EQ(std::filesystem::file_size(dir.file("a.bin")), 10u);
    // No temporary files are left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

#ifndef _WIN32 // Windows has no folder permission bits; its read-only file test below stands in
TEST(FileAccess, FailedWriteKeepsTheOldFileWhole)
{
    // A folder that takes no new files: no temporary file can be made beside
    // the old one, so the write fails before the old file is touched (this
    // works for root too).
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "locked");
    const std::string path = dir.file("locked/radio.bin");
    std::ofstream(path, std::ios::binary) << std::string(100, '\1');
    std::filesystem::permissions(dir.path() / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const Status status = writeWholeFile(path, Bytes(3, 2));
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_all);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(*readWholeFile(path), Bytes(100, 1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "locked"), {}), 1);
}
#endif

TEST(FileAccess, ErrorsNameTheFileAndTheReason)
{
    test::TempDir dir;
    const auto missing = readWholeFile(dir.file("none.bin"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().message, "cannot read " + dir.file("none.bin") + ": no such file or folder");

    const Status noFolder = writeWholeFile(dir.file("no/such/folder.bin"), Bytes(1, 0));
    ASSERT_FALSE(noFolder.ok());
    EXPECT_NE(noFolder.error().message.find("no such file or folder"), std::string::npos);

    const Status folder = writeWholeFile(dir.path().string(), Bytes(1, 0));
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().message.find("folder"), std::string::npos);
    EXPECT_FALSE(readWholeFile(dir.path().string()).ok());
    EXPECT_FALSE(readWholeFile("").ok());
}

#ifndef _WIN32
TEST(FileAccess, ReplacedFileKeepsItsPermissions)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), Bytes(1, 0)).ok());
    ::chmod(dir.file("a.bin").c_str(), 0640);
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), Bytes(2, 0)).ok());
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("a.bin").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A new file gets the usual permissions under the process's mask.
    const mode_t mask = ::umask(027);
    const Status written = writeWholeFile(dir.file("b.bin"), Bytes(1, 0));
    ::umask(mask);
    ASSERT_TRUE(written.ok());
    ASSERT_EQ(::stat(dir.file("b.bin").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileAccess, WritingThroughALinkReplacesTheFileItNamesBesideIt)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "real");
    ASSERT_TRUE(writeWholeFile(dir.file("real/radio.bin"), Bytes(4, 1)).ok());
    std::filesystem::create_symlink("real/radio.bin", dir.path() / "link.bin");
    // A link to a file that does not exist yet creates that file.
    std::filesystem::create_symlink("real/new.bin", dir.path() / "dangling.bin");

    ASSERT_TRUE(writeWholeFile(dir.file("link.bin"), Bytes(2, 9)).ok());
    ASSERT_TRUE(writeWholeFile(dir.file("dangling.bin"), Bytes(1, 7)).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.bin"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "dangling.bin"));
    EXPECT_EQ(*readWholeFile(dir.file("real/radio.bin")), Bytes(2, 9));
    EXPECT_EQ(*readWholeFile(dir.file("real/new.bin")), Bytes(1, 7));
    EXPECT_TRUE(sameFile(dir.file("link.bin"), dir.file("real/radio.bin")));
    EXPECT_FALSE(sameFile(dir.file("link.bin"), dir.file("real/new.bin")));
    EXPECT_FALSE(sameFile(dir.file("link.bin"), dir.file("missing.bin")));
}

// A new file is made only where nothing is: a file, a link to another file
// or a link to nothing at the name is left as it is.
TEST(FileAccess, NewFilesAreMadeOnlyWhereNothingIs)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("victim.bin"), Bytes(4, 1)).ok());
    std::filesystem::create_symlink("victim.bin", dir.path() / "link.bin");
    std::filesystem::create_symlink("nowhere.bin", dir.path() / "dangling.bin");

    // What came of the attempt, in a word.
    const auto outcome = [](const Result<bool>& made) { return !made ? "failed" : *made ? "made" : "taken"; };
    EXPECT_STREQ(outcome(createNewFile(dir.file("new.bin"), Bytes(2, 9))), "made");
    EXPECT_EQ(*readWholeFile(dir.file("new.bin")), Bytes(2, 9));
    for (const char* taken : {"new.bin", "victim.bin", "link.bin", "dangling.bin"})
        EXPECT_STREQ(outcome(createNewFile(dir.file(taken), Bytes(3, 5))), "taken") << taken;
    EXPECT_EQ(*readWholeFile(dir.file("new.bin")), Bytes(2, 9));
    EXPECT_EQ(*readWholeFile(dir.file("victim.bin")), Bytes(4, 1));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "nowhere.bin"));
    EXPECT_STREQ(outcome(createNewFile(dir.file("no/such/folder.bin"), Bytes(1, 1))), "failed");
}

// A rescue copy goes into the folder given (the temporary folder only when
// that takes no files), under a name no one else holds: a link placed at the
// name it would take first is passed over, and two rescues in one second
// keep both.
TEST(FileAccess, RescueCopiesAreNewFilesThatNeverReplaceAnything)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("victim.bin"), Bytes(4, 1)).ok());
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    for (long long s = seconds; s <= seconds + 2; ++s)
        std::filesystem::create_symlink(dir.file("victim.bin"),
                                        dir.path() / ("rescue-" + std::to_string(s) + ".bin"));

    const auto first = keepRescueCopy("rescue", Bytes(2, 7), dir.path().string());
    const auto second = keepRescueCopy("rescue", Bytes(3, 8), dir.path().string());
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(std::filesystem::path(*first).parent_path(), dir.path());
    EXPECT_EQ(*readWholeFile(*first), Bytes(2, 7));
    EXPECT_EQ(*readWholeFile(*second), Bytes(3, 8));
    EXPECT_EQ(*readWholeFile(dir.file("victim.bin")), Bytes(4, 1));

    const auto elsewhere = keepRescueCopy("ft817clone-test-rescue", Bytes(1, 6), dir.file("missing"));
    ASSERT_TRUE(elsewhere);
    EXPECT_EQ(std::filesystem::path(*elsewhere).parent_path(), std::filesystem::temp_directory_path());
    std::filesystem::remove(*elsewhere);
}

TEST(FileAccess, PipesDevicesAndSocketsAreNeverReadNorReplaced)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::vector<std::string> targets = {dir.file("pipe"), "/dev/null"};
    // A device node of our own, where the system allows making one (root does).
    if (::mknod(dir.file("null").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        targets.push_back(dir.file("null"));
    for (const std::string& path : targets) {
        // A pipe without a writer answers at once instead of hanging.
        const auto read = readWholeFile(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_NE(read.error().message.find("not a file"), std::string::npos) << read.error().message;
        EXPECT_FALSE(checkWritable(path).ok()) << path;
        const Status written = writeWholeFile(path, Bytes(1, 0));
        ASSERT_FALSE(written.ok()) << path;
        EXPECT_NE(written.error().message.find("not a file"), std::string::npos) << written.error().message;
    }
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A file or folder nobody may write is refused with the reason, the
// administrator (who runs these tests in CI) included, and stays whole.
TEST(FileAccess, ReadOnlyFileAndFolderAreRefusedEvenForTheAdministrator)
{
    test::TempDir dir;
    const std::string path = dir.file("a.bin");
    ASSERT_TRUE(writeWholeFile(path, Bytes(4, 1)).ok());
    ::chmod(path.c_str(), 0444);
    const Status written = writeWholeFile(path, Bytes(2, 2));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().message, "cannot write " + path + ": the file is read-only");
    EXPECT_FALSE(checkWritable(path).ok());
    EXPECT_EQ(*readWholeFile(path), Bytes(4, 1));

    std::filesystem::create_directory(dir.path() / "locked");
    ::chmod(dir.file("locked").c_str(), 0555);
    const Status inLocked = writeWholeFile(dir.file("locked/b.bin"), Bytes(1, 0));
    ::chmod(dir.file("locked").c_str(), 0755);
    ASSERT_FALSE(inLocked.ok());
    EXPECT_FALSE(std::filesystem::exists(dir.file("locked/b.bin")));
}

// A name as long as a folder takes is written and replaced like any other:
// the temporary file beside it has a short name of its own.
TEST(FileAccess, NamesOfTheLongestLegalLengthAreWritten)
{
    test::TempDir dir;
    for (const std::size_t length : {249u, 255u}) {
        const std::string path = dir.file(std::string(length - 4, 'n') + ".img");
        ASSERT_TRUE(checkWritable(path).ok()) << length;
        const Status first = writeWholeFile(path, Bytes(3, 1));
        ASSERT_TRUE(first.ok()) << first.error().message;
        ASSERT_TRUE(writeWholeFile(path, Bytes(2, 2)).ok());
        EXPECT_EQ(*readWholeFile(path), Bytes(2, 2));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

#else // Windows

// Windows keeps what POSIX calls permissions in attributes and access lists:
// a file the user marked read-only is never replaced, and stays whole.
TEST(FileAccess, ReadOnlyFileIsRefusedAndStaysWhole)
{
    test::TempDir dir;
    const std::string path = dir.file("a.bin");
    ASSERT_TRUE(writeWholeFile(path, Bytes(4, 1)).ok());
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(checkWritable(path).ok());
    const Status written = writeWholeFile(path, Bytes(2, 2));
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().message.find("read-only"), std::string::npos) << written.error().message;
    EXPECT_EQ(*readWholeFile(path), Bytes(4, 1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileAccess, WritingThroughALinkReplacesTheFileItNames)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "real");
    ASSERT_TRUE(writeWholeFile(dir.file("real/radio.bin"), Bytes(4, 1)).ok());
    const std::wstring link = (dir.path() / "link.bin").wstring();
    const std::wstring target = (dir.path() / "real" / "radio.bin").wstring();
    // Windows lets only administrators, or anyone in developer mode, make
    // links; wine answers that it made one and makes nothing.
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        GTEST_SKIP() << "this user may not make symbolic links here (error " << GetLastError() << ")";
    const DWORD attributes = GetFileAttributesW(link.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "this system reports a symbolic link made but none exists (wine does so)";

    ASSERT_TRUE(writeWholeFile(dir.file("link.bin"), Bytes(2, 9)).ok());
    EXPECT_NE(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    EXPECT_EQ(*readWholeFile(dir.file("real/radio.bin")), Bytes(2, 9));
    EXPECT_TRUE(sameFile(dir.file("link.bin"), dir.file("real/radio.bin")));
    EXPECT_FALSE(sameFile(dir.file("link.bin"), dir.file("missing.bin")));

    // A link to nothing is refused: replacing it would turn the link itself into a file.
    const std::wstring dangling = (dir.path() / "dangling.bin").wstring();
    ASSERT_TRUE(CreateSymbolicLinkW(dangling.c_str(), (dir.path() / "real" / "new.bin").wstring().c_str(),
                                    SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE));
    const Status refused = writeWholeFile(dir.file("dangling.bin"), Bytes(1, 7));
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("does not exist"), std::string::npos) << refused.error().message;
}

TEST(FileAccess, PipesDevicesAndFoldersAreNeverReadNorReplaced)
{
    test::TempDir dir;
    const std::string pipe = "\\\\.\\pipe\\ft817-test-" + std::to_string(GetCurrentProcessId());
    // Each look at the pipe's name connects to one waiting end; there are enough of them.
    std::vector<HANDLE> ends;
    for (int i = 0; i < 8; ++i) {
        ends.push_back(CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                        PIPE_UNLIMITED_INSTANCES, 512, 512, 0, nullptr));
        ASSERT_NE(ends.back(), INVALID_HANDLE_VALUE) << GetLastError();
    }
    for (const std::string& path : {pipe, std::string("NUL"), dir.path().string()}) {
        const auto read = readWholeFile(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_NE(read.error().message.find("not a file"), std::string::npos) << read.error().message;
        EXPECT_FALSE(checkWritable(path).ok()) << path;
        const Status written = writeWholeFile(path, Bytes(1, 0));
        ASSERT_FALSE(written.ok()) << path;
        EXPECT_NE(written.error().message.find("not a file"), std::string::npos) << written.error().message;
    }
    for (HANDLE end : ends)
        CloseHandle(end);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}
#endif

// A name far too long to be a file is not echoed in full.
TEST(FileAccess, AHugeNameIsCutInMessages)
{
    const std::string name(900 * 1024, 'a');
    const auto read = readWholeFile(name);
    ASSERT_FALSE(read);
    EXPECT_LT(read.error().full().size(), 400u) << read.error().full().substr(0, 400);
    EXPECT_NE(read.error().message.find("(921600 bytes long)"), std::string::npos);
    // Short names in full; cuts never split a character.
    EXPECT_EQ(file_messages::shownName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    const std::string accented =
        file_messages::shownName(std::string(99, 'a') + "\u00e9" + std::string(200, 'b'));
    EXPECT_EQ(accented.substr(0, 102), std::string(99, 'a') + "...");
}

TEST(FileAccess, FilesLargerThanTheCapAreRefusedWithoutReadingThem)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("big.bin"), Bytes(1001, 0)).ok());
    EXPECT_TRUE(readWholeFile(dir.file("big.bin"), 1001).ok());
    const auto refused = readWholeFile(dir.file("big.bin"), 1000);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message,
              "cannot read " + dir.file("big.bin") + ": it is larger than the 1000 bytes such a file can be");
#ifndef _WIN32
    // A file that reads as endless zeros is stopped at the cap.
    EXPECT_FALSE(readWholeFile("/dev/zero").ok());
#endif
}

} // namespace
} // namespace ft817
