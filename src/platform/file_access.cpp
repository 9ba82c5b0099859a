#include "platform/file_access.h"
#include "platform/file_messages.h"
#include "platform/file_path.h"

#include <chrono>
#include <filesystem>

namespace ft817 {

Error file_messages::cannot(const std::string& what, const std::string& path, const std::string& reason)
{
    return Error{"cannot " + what + " " + path + ": " + reason, {}};
}

Error file_messages::tooLarge(const std::string& path, std::size_t maxBytes)
{
    return cannot("read", path,
                  "it is larger than the " + std::to_string(maxBytes) + " bytes such a file can be");
}

std::string rescuePath(const std::string& prefix)
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
#ifdef _WIN32
        folder = std::filesystem::current_path(error);
#else
        folder = "/tmp";
#endif
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    return utf8Path(folder / fileSystemPath(prefix + "-" + std::to_string(seconds) + ".bin"));
}

} // namespace ft817
