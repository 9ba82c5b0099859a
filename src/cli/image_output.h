#pragma once
// Reading an image file a command changes, and writing the changed image
// back with the file it replaces kept in the history folder.

#include "image/block_store.h"
#include "image/image_history.h"
#include "platform/result.h"

#include <string>
#include <string_view>

namespace ft817 {

// The image file at path as the editor loads it; a refusal names the path.
Result<BlockStore> loadImageStore(const std::string& path);

// Writes the image at out after keeping the file it replaces in the history,
// as command ("settings"); the kept copy's path, empty when out did not exist yet.
Result<std::string> writeImageKeepingReplaced(const BlockStore& store, const std::string& out,
                                              const ImageHistory& history, std::string_view command);

} // namespace ft817
