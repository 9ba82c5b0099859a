#include "platform/file_system_windows.h"

namespace ft817::windows_files {

std::wstring widePath(const std::string& path)
{
    if (path.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::string narrowPath(const std::wstring& path)
{
    if (path.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

std::string reasonFor(DWORD error)
{
    namespace text = file_messages;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return text::kMissing;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return text::kDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return text::kDiskFull;
    case ERROR_WRITE_PROTECT:
        return text::kReadOnlyDisk;
    case ERROR_DIRECTORY:
        return text::kNotAFolder;
    case ERROR_CANT_RESOLVE_FILENAME:
        return text::kLinkLoop;
    case ERROR_PIPE_BUSY:
        return text::kPipe;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "another program has the file open";
    case ERROR_FILENAME_EXCED_RANGE:
        return "the name is too long";
    case ERROR_INVALID_NAME:
        return "the name is not valid";
    default:
        break;
    }
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string reason = length > 0 && buffer ? std::string(buffer, length) : "";
    if (buffer)
        LocalFree(buffer);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason.empty() ? "system error " + std::to_string(error) : reason;
}

const char* notAFile(HANDLE handle)
{
    namespace text = file_messages;
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_PIPE:
        return text::kPipe;
    case FILE_TYPE_CHAR:
        return text::kDevice;
    default:
        return text::kOther;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return text::kOther;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return text::kFolder;
    return nullptr;
}

} // namespace ft817::windows_files
