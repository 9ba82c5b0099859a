#include "platform/file_access.h"
#include "platform/file_system_windows.h"

#include <atomic>
#include <filesystem>
#include <string>

namespace ft817 {
namespace {

namespace text = file_messages;
using windows_files::fileError;
using windows_files::Handle;
using windows_files::openToLook;

// The path a write to path really lands on. A symbolic link or junction whose
// target exists is resolved by the system to that target; a link to nothing
// is refused, since replacing it would turn the link itself into a file.
Result<std::wstring> finalTarget(const std::string& path, const std::wstring& wide)
{
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return wide;
    Handle target(openToLook(wide));
    if (!target.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return text::cannot("write", path, "it is a link to a file that does not exist");
        return fileError("write", path, error);
    }
    std::wstring final(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(target.get(), final.data(),
                                                   static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
    if (length == 0 || length >= final.size())
        return fileError("write", path, GetLastError());
    final.resize(length);
    return final;
}

// Whether something already exists at the resolved path; an error when it is
// not a file that may be replaced (folder, device, pipe, a read-only file) or
// cannot be looked at.
Result<bool> lookAtTarget(const std::string& path, const std::wstring& target)
{
    Handle existing(openToLook(target));
    if (!existing.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return false;
        return fileError("write", path, error);
    }
    if (const char* kind = windows_files::notAFile(existing.get()))
        return text::cannot("write", path, kind);
    // The user's mark that the file is not to be changed.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(existing.get(), &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        return text::cannot("write", path, text::kReadOnlyFile);
    return true;
}

// Where a write to requestedPath lands, and whether a file is there already;
// an error when the name is empty or the target may not be replaced.
struct WriteTarget {
    std::wstring path;
    bool exists = false;
};
Result<WriteTarget> writeTarget(const std::string& requestedPath)
{
    if (requestedPath.empty())
        return Error{text::kNoName, {}};
    const Result<std::wstring> resolved = finalTarget(requestedPath, windows_files::widePath(requestedPath));
    if (!resolved)
        return resolved.error();
    const Result<bool> exists = lookAtTarget(requestedPath, *resolved);
    if (!exists)
        return exists.error();
    return WriteTarget{*resolved, *exists};
}

// A new, empty file next to target that no one else may open meanwhile; its
// name, short enough for any folder whatever the length of the target's own
// name, is put in temporary. INVALID_HANDLE_VALUE with GetLastError() set on failure.
HANDLE createBeside(const std::wstring& target, std::wstring& temporary, DWORD flags)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long tag = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                                       GetTickCount64() ^ (static_cast<unsigned long long>(++counter) << 16);
        temporary = (std::filesystem::path(target).parent_path() /
                     (L"ft817clone-" + std::to_wstring(tag % 1000000) + L".tmp"))
                        .wstring();
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | flags, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Writes every byte and forces them onto the disk; the system's error code, or 0.
DWORD writeAndFlush(HANDLE file, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &put, nullptr))
            return GetLastError();
        done += put;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

} // namespace

Status writeWholeFile(const std::string& requestedPath, std::span<const std::uint8_t> bytes)
{
    const Result<WriteTarget> target = writeTarget(requestedPath);
    if (!target)
        return target.error();
    const std::wstring& path = target->path;

    std::wstring temporary;
    Handle file(createBeside(path, temporary, 0));
    if (!file.valid())
        return fileError("write", requestedPath, GetLastError());
    DWORD error = writeAndFlush(file.get(), bytes);
    if (!file.close() && error == 0)
        error = GetLastError();
    // An existing file is replaced keeping its attributes and permissions; a
    // new one is moved into place with the move itself on the disk before returning.
    if (error == 0) {
        const bool moved = target->exists
                               ? ReplaceFileW(path.c_str(), temporary.c_str(), nullptr,
                                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                               : MoveFileExW(temporary.c_str(), path.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        if (moved)
            return {};
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return fileError("write", requestedPath, error);
}

Result<bool> createNewFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (path.empty())
        return Error{text::kNoName, {}};
    const std::wstring wide = windows_files::widePath(path);
    // CREATE_NEW fails on anything at the name, a link included, instead of
    // opening it; no one else may open the file while it is written.
    Handle file(
        CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            return false;
        return fileError("write", path, error);
    }
    DWORD error = writeAndFlush(file.get(), bytes);
    if (!file.close() && error == 0)
        error = GetLastError();
    if (error == 0)
        return true;
    DeleteFileW(wide.c_str());
    return fileError("write", path, error);
}

Status checkWritable(const std::string& requestedPath)
{
    const Result<WriteTarget> target = writeTarget(requestedPath);
    if (!target)
        return target.error();
    const std::wstring& path = target->path;
    std::wstring folder = std::filesystem::path(path).parent_path().wstring();
    if (folder.empty())
        folder = L".";
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return fileError("write", requestedPath, GetLastError());
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return text::cannot("write", requestedPath, text::kNotAFolder);
    // Whether the folder takes new files is only known by trying: the probe
    // goes away by itself when closed.
    std::wstring probe;
    Handle trial(createBeside(path, probe, FILE_FLAG_DELETE_ON_CLOSE));
    if (!trial.valid())
        return fileError("write", requestedPath, GetLastError());
    return {};
}

bool sameFile(const std::string& first, const std::string& second)
{
    Handle a(openToLook(windows_files::widePath(first)));
    Handle b(openToLook(windows_files::widePath(second)));
    BY_HANDLE_FILE_INFORMATION one{};
    BY_HANDLE_FILE_INFORMATION two{};
    return a.valid() && b.valid() && GetFileInformationByHandle(a.get(), &one) &&
           GetFileInformationByHandle(b.get(), &two) &&
           one.dwVolumeSerialNumber == two.dwVolumeSerialNumber && one.nFileIndexHigh == two.nFileIndexHigh &&
           one.nFileIndexLow == two.nFileIndexLow;
}

} // namespace ft817
