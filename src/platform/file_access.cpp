#include "platform/file_access.h"

#include <chrono>
#include <filesystem>

namespace ft817 {

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
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    return (folder / (prefix + "-" + std::to_string(seconds) + ".bin")).string();
}

}  // namespace ft817
