#include "platform/file_access.h"
#include "platform/file_system_windows.h"

namespace ft817 {

using windows_files::fileError;
using windows_files::Handle;

Result<Bytes> readWholeFile(const std::string& path, std::size_t maxBytes)
{
    namespace text = file_messages;
    if (path.empty())
        return Error{text::kNoName, {}};
    // Opened first and looked at through the handle, so what is read is what was looked at.
    Handle file(CreateFileW(windows_files::widePath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return fileError("read", path, GetLastError());
    if (const char* kind = windows_files::notAFile(file.get()))
        return text::cannot("read", path, kind);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return fileError("read", path, GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return text::tooLarge(path, maxBytes);
    Bytes bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
            return fileError("read", path, GetLastError());
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (bytes.size() > maxBytes)
            return text::tooLarge(path, maxBytes);
    }
    return bytes;
}

} // namespace ft817
