// Whole-file reads and the atomic whole-file write: a failed write never
// leaves a half-written or emptied file behind. These run natively and, built
// for Windows, under wine (scripts/check-windows); where a system has no such
// thing as the other's fixture (a POSIX fifo, a Windows named pipe) each
// system checks the rule with its own.

#include "platform/file_access.h"
#include "support/temp_dir.h"

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

TEST(FileAccess, FailedWriteKeepsTheOldFileWhole)
{
    // A name so long that no temporary file can be made beside it: the write
    // fails before the old file is touched (this works for root too).
    test::TempDir dir;
    const std::string path = dir.file(std::string(250, 'n'));
    std::ofstream(path, std::ios::binary) << std::string(100, '\1');
    const Status status = writeWholeFile(path, Bytes(3, 2));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(*readWholeFile(path), Bytes(100, 1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

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
