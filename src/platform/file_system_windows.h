#pragma once
// What the Windows file code of this folder shares: UTF-8 paths as the
// system's wide strings, reasons for system error codes, and an owned handle.
// Internal to platform/.

#include "platform/file_messages.h"

#include <string>
#include <windows.h>

namespace ft817::windows_files {

// The tool keeps paths as UTF-8; Windows takes UTF-16.
std::wstring widePath(const std::string& path);
std::string narrowPath(const std::wstring& path);

// A reason a person can act on for a GetLastError() code.
std::string reasonFor(DWORD error);

inline Error fileError(const std::string& what, const std::string& path, DWORD error)
{
    return file_messages::cannot(what, path, reasonFor(error));
}

// Closes the handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    // Closes now; false when the system reports that it could not.
    bool close()
    {
        if (!valid())
            return true;
        const bool closed = CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// Opens an existing path (file, folder, device or pipe) only to look at it.
// Symbolic links are followed.
inline HANDLE openToLook(const std::wstring& path)
{
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Why an open handle is not a file this tool may read or replace; nullptr for a file on disk.
const char* notAFile(HANDLE handle);

} // namespace ft817::windows_files
