#include "platform/file_access.h"
#include "platform/file_messages.h"
#include "platform/file_path.h"

#include <chrono>
#include <filesystem>
#include <vector>

namespace ft817 {

std::string file_messages::shownName(const std::string& name)
{
    constexpr std::size_t kLongest = 160;
    constexpr std::size_t kHead = 100;
    constexpr std::size_t kTail = 40;
    if (name.size() <= kLongest)
        return name;
    const auto continuation = [&](std::size_t at) {
        return (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
    };
    std::size_t head = kHead;
    while (head > 0 && continuation(head))
        --head;
    std::size_t tail = name.size() - kTail;
    while (tail < name.size() && continuation(tail))
        ++tail;
    return name.substr(0, head) + "..." + name.substr(tail) + " (" + std::to_string(name.size()) +
           " bytes long)";
}

Error file_messages::cannot(const std::string& what, const std::string& path, const std::string& reason)
{
    return Error{"cannot " + what + " " + shownName(path) + ": " + reason, {}};
}

Error file_messages::tooLarge(const std::string& path, std::size_t maxBytes)
{
    return cannot("read", path,
                  "it is larger than the " + std::to_string(maxBytes) + " bytes such a file can be");
}

Result<std::string> keepRescueCopy(const std::string& prefix, std::span<const std::uint8_t> bytes,
                                   const std::string& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> folders;
    if (!folder.empty())
        folders.push_back(fileSystemPath(folder));
    std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error) {
#ifdef _WIN32
        temporary = std::filesystem::current_path(error);
#else
        temporary = "/tmp";
#endif
    }
    folders.push_back(temporary);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    const std::string stem = prefix + "-" + std::to_string(seconds);
    Error last{"no folder takes the rescue copy", {}};
    for (const std::filesystem::path& place : folders) {
        for (int n = 1; n <= 1000; ++n) {
            const std::string path = utf8Path(
                place / fileSystemPath(stem + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".bin"));
            const Result<bool> made = createNewFile(path, bytes);
            if (!made) {
                last = made.error();
                break; // this folder takes no new file: the next one
            }
            if (*made)
                return path;
        }
    }
    return last;
}

} // namespace ft817
