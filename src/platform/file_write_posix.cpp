#include "platform/file_access.h"
#include "platform/file_system_posix.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <unistd.h>

namespace ft817 {
namespace {

using posix_files::fileError;
using posix_files::notAFile;

// The process's file creation mask, read without changing it (changing it,
// even for a moment, would affect files other threads create meanwhile).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 022;
}

// The path a write to path really lands on: symbolic links followed one by
// one (a link may name a file that does not exist yet), relative links taken
// from the link's own folder.
Result<std::string> followLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current.string();
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            return fileError("write", path, error.value());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return fileError("write", path, ELOOP);
}

}  // namespace

Status writeWholeFile(const std::string& requestedPath, std::span<const std::uint8_t> bytes)
{
    if (requestedPath.empty())
        return Error{file_messages::kNoName, {}};
    const Result<std::string> resolved = followLinks(requestedPath);
    if (!resolved)
        return resolved.error();
    const std::string& path = *resolved;
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists) {
        if (const char* kind = notAFile(target.st_mode))
            return file_messages::cannot("write", requestedPath, kind);
    }

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fileError("write", requestedPath, errno);
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    mode_t mode = 0666;
    if (exists) {
        mode = target.st_mode & 07777;
    } else {
        mode &= ~currentUmask();
    }
    ::fchmod(fd, mode);

    auto fail = [&](int error) -> Status {
        ::close(fd);
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fileError("write", requestedPath, error);
    }
    return {};
}

Status checkWritable(const std::string& requestedPath)
{
    if (requestedPath.empty())
        return Error{file_messages::kNoName, {}};
    const Result<std::string> resolved = followLinks(requestedPath);
    if (!resolved)
        return resolved.error();
    const std::string& path = *resolved;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (const char* kind = notAFile(info.st_mode))
            return file_messages::cannot("write", requestedPath, kind);
    }
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    if (::stat(folder.c_str(), &info) != 0)
        return fileError("write", requestedPath, errno);
    if (!S_ISDIR(info.st_mode))
        return fileError("write", requestedPath, ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fileError("write", requestedPath, errno);
    return {};
}

bool sameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

}  // namespace ft817
