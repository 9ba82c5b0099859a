#include "image/image_history.h"

#include "image/image_check.h"
#include "image/image_file.h"
#include "platform/file_path.h"
#include "platform/local_time.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace ft817 {
namespace {

// The most of a replaced file's own name its kept copy's name carries.
constexpr std::size_t kKeptNameBytes = 160;

// A name part made of letters, digits and '-' only: "FT-817ND (US)" -> "FT-817ND-US".
std::string fileNamePart(std::string_view text)
{
    std::string part;
    for (const char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_';
        if (plain)
            part += c;
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && part.back() == '-')
        part.pop_back();
    // No hidden names, no "." or "..".
    while (!part.empty() && part.front() == '.')
        part.erase(0, 1);
    return part.empty() ? "image" : part;
}

// The file command would replace, whole; nothing when there is none, and an
// error when it is there but cannot be read (so no copy of it could be kept).
Result<std::optional<Bytes>> fileToReplace(const std::string& path, std::string_view command)
{
    std::error_code error;
    if (!std::filesystem::exists(fileSystemPath(path), error))
        return std::optional<Bytes>();
    Result<Bytes> old = readWholeFile(path);
    if (!old)
        return Error{"cannot keep a copy of the file " + std::string(command) +
                         " would replace: " + old.error().message,
                     "Nothing was replaced; choose another file name."};
    return std::optional<Bytes>(std::move(*old));
}

} // namespace

std::string historyTimeStamp(std::time_t when)
{
    const std::tm local = localTime(when);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

std::string historyRadioLabel(std::span<const std::uint8_t> file)
{
    if (!readImageLayout(file))
        return "not-an-image";
    const ImageCheck check = checkImageFile(file);
    return check.radio ? fileNamePart(check.radio->name) : "unknown-layout";
}

Result<std::string> ImageHistory::keepDownload(std::span<const std::uint8_t> imageFile,
                                               std::string_view radio) const
{
    return keep(imageFile, historyTimeStamp(std::time(nullptr)) + "_" + fileNamePart(radio) + ".img");
}

Result<std::string> ImageHistory::keepCalibration(std::string_view text) const
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
    return keep(std::span<const std::uint8_t>(first, text.size()),
                historyTimeStamp(std::time(nullptr)) + "_calibration.txt");
}

Result<std::string> ImageHistory::keepReplaced(const std::string& path, std::string_view command) const
{
    const Result<std::optional<Bytes>> old = fileToReplace(path, command);
    if (!old)
        return old.error();
    if (!*old)
        return std::string();
    const std::string original = utf8Path(fileSystemPath(path).filename());
    // The original's name is cut so that the copy's name, with its date and a
    // "-N" to tell it from an earlier copy, fits any folder.
    return keep(**old, historyTimeStamp(std::time(nullptr)) + "_" + historyRadioLabel(**old) + "_replaced_" +
                           fileNamePart(original).substr(0, kKeptNameBytes));
}

Status ImageHistory::checkReady(const std::string& path, std::string_view command) const
{
    if (const Result<std::optional<Bytes>> old = fileToReplace(path, command); !old)
        return old.error();
    return makeFolder();
}

Status ImageHistory::checkTakesFiles() const
{
    if (const Status made = makeFolder(); !made)
        return made;
    const std::filesystem::path name =
        fileSystemPath(historyTimeStamp(std::time(nullptr)) + "_calibration.txt");
    return checkWritable(utf8Path(fileSystemPath(m_folder) / name));
}

Status ImageHistory::makeFolder() const
{
    if (m_folder.empty())
        return Error{"no history folder is known", "Set HOME (or XDG_DATA_HOME) so that copies can be kept."};
    std::error_code error;
    std::filesystem::create_directories(fileSystemPath(m_folder), error);
    if (error)
        return Error{"cannot make the history folder " + m_folder + ": " + error.message(), {}};
    return {};
}

Result<std::string> ImageHistory::keep(std::span<const std::uint8_t> bytes, const std::string& name) const
{
    if (const Status made = makeFolder(); !made)
        return made.error();
    const std::filesystem::path wanted = fileSystemPath(m_folder) / fileSystemPath(name);
    // Two downloads in one second (in this or another running program), or a
    // clock set back: each copy is made as a new file, never over an earlier one.
    for (int n = 1; n <= 1000; ++n) {
        const std::filesystem::path target =
            n == 1 ? wanted
                   : wanted.parent_path() / fileSystemPath(utf8Path(wanted.stem()) + "-" + std::to_string(n) +
                                                           utf8Path(wanted.extension()));
        const Result<bool> made = createNewFile(utf8Path(target), bytes);
        if (!made)
            return Error{"cannot keep a copy in the history folder: " + made.error().message, {}};
        if (*made)
            return utf8Path(target);
    }
    return Error{"cannot find a free name in the history folder " + m_folder, {}};
}

} // namespace ft817
