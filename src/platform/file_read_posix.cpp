#include "platform/file_access.h"
#include "platform/file_system_posix.h"

#include <fcntl.h>
#include <unistd.h>

namespace ft817 {

using posix_files::fileError;
using posix_files::notAFile;

Result<Bytes> readWholeFile(const std::string& path, std::size_t maxBytes)
{
    namespace text = file_messages;
    if (path.empty())
        return Error{text::kNoName, {}};
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fileError("read", path, errno);
    if (const char* kind = notAFile(info.st_mode))
        return text::cannot("read", path, kind);
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return text::tooLarge(path, maxBytes);
    // Not blocking: should the path have become a pipe meanwhile, opening it
    // must not wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return fileError("read", path, errno);
    if (::fstat(fd, &info) != 0 || notAFile(info.st_mode)) {
        ::close(fd);
        return text::cannot("read", path, text::kChanged);
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
        if (bytes.size() > maxBytes) {
            ::close(fd);
            return text::tooLarge(path, maxBytes);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace ft817
