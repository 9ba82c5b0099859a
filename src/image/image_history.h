#pragma once
// The history folder: a copy of every image a download saves, and of every
// file a download replaces, taken before it is replaced. Files are named by
// date, time and radio ("2026-12-08_12-31-20_FT-817ND.img",
// "2026-12-08_12-31-20_FT-817_replaced_nebl1.bin"), so a person can always
// get back the image a path held before. Nothing here ever replaces or
// deletes a file: a name already taken gets "-2", "-3", ... added.
// The folder is given from outside (the user's application data folder in the
// program, a temporary folder in tests).

#include "platform/file_access.h"
#include "platform/result.h"

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>

namespace ft817 {

class ImageHistory {
public:
    // A history in this folder, made (with its parents) when first needed.
    explicit ImageHistory(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& folder() const { return m_folder; }

    // Keeps a downloaded image file; radio is the radio's name or a word
    // such as "not-whole". Returns the path of the copy.
    Result<std::string> keepDownload(std::span<const std::uint8_t> imageFile, std::string_view radio) const;

    // Keeps a calibration backup's text as "<date>_<time>_calibration.txt".
    // Returns the path of the copy.
    Result<std::string> keepCalibration(std::string_view text) const;

    // Keeps a copy of the file at path, which command ("the download",
    // "settings") is about to replace. Returns the path of the copy, or an
    // empty path when nothing is at path.
    Result<std::string> keepReplaced(const std::string& path, std::string_view command) const;

    // Whether keepReplaced(path, command) and keepDownload would work now: the
    // file at path (if any) can be read and the folder can be made. Writes
    // nothing but the folder.
    Status checkReady(const std::string& path, std::string_view command) const;

    // Whether keepCalibration (or any new copy) would work now: the folder can
    // be made and takes new files. Writes nothing but the folder.
    Status checkTakesFiles() const;

private:
    Status makeFolder() const;

    Result<std::string> keep(std::span<const std::uint8_t> bytes, const std::string& name) const;

    std::string m_folder;
};

// "2026-12-08_12-31-20" in local time: the start of every name in the history.
std::string historyTimeStamp(std::time_t when);

// The radio name an image file is kept under ("FT-817ND-US"), "unknown-layout"
// when its blocks are none of the known radios', "not-an-image" when it is no image file.
std::string historyRadioLabel(std::span<const std::uint8_t> file);

} // namespace ft817
