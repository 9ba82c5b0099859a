#include "image/file_replacement.h"

#include "platform/file_access.h"

namespace ft817 {

Status checkReplaceable(const std::string& path, const ImageHistory& history, std::string_view command)
{
    if (const Status writable = checkWritable(path); !writable)
        return writable;
    return history.checkReady(path, command);
}

Result<std::string> replaceKeepingCopy(const std::string& path, std::span<const std::uint8_t> bytes,
                                       const ImageHistory& history, std::string_view command)
{
    // Checked before the copy is kept, so a refused target leaves no copy behind.
    if (const Status ready = checkReplaceable(path, history, command); !ready)
        return ready.error();
    Result<std::string> kept = history.keepReplaced(path, command);
    if (!kept)
        return kept.error();
    if (const Status written = writeWholeFile(path, bytes); !written)
        return written.error();
    return kept;
}

} // namespace ft817
