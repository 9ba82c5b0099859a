#include "platform/file_access.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ft817 {
namespace {

std::string reasonFor(int error)
{
    switch (error) {
    case ENOENT: return "no such file or folder";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "it is a folder, not a file";
    case ENOSPC: return "the disk is full";
    case EROFS: return "the disk is read-only";
    case ENOTDIR: return "part of the path is not a folder";
    default: return std::strerror(error);
    }
}

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

Error fileError(const std::string& what, const std::string& path, int error)
{
    return Error{"cannot " + what + " " + path + ": " + reasonFor(error), {}};
}

}  // namespace

Result<Bytes> readWholeFile(const std::string& path)
{
    if (path.empty())
        return Error{"no file name given", {}};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fileError("read", path, errno);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return fileError("read", path, EISDIR);
    }
    Bytes bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return fileError("read", path, error);
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    ::close(fd);
    return bytes;
}

Status writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (path.empty())
        return Error{"no file name given", {}};
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode))
        return fileError("write", path, EISDIR);

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fileError("write", path, errno);
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
        return fileError("write", path, error);
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
        return fileError("write", path, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fileError("write", path, error);
    }
    return {};
}

Status checkWritable(const std::string& path)
{
    if (path.empty())
        return Error{"no file name given", {}};
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return fileError("write", path, EISDIR);
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    if (::stat(folder.c_str(), &info) != 0)
        return fileError("write", path, errno);
    if (!S_ISDIR(info.st_mode))
        return fileError("write", path, ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fileError("write", path, errno);
    return {};
}

std::string rescuePath(const std::string& prefix)
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    return (folder / (prefix + "-" + std::to_string(seconds) + ".bin")).string();
}

}  // namespace ft817
