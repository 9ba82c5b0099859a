#include "cli/image_output.h"

#include "image/file_replacement.h"
#include "image/image_file.h"
#include "platform/file_access.h"

namespace ft817 {

Result<BlockStore> loadImageStore(const std::string& path)
{
    const auto bytes = readImageFileBytes(path);
    if (!bytes)
        return bytes.error();
    auto store = BlockStore::load(*bytes);
    if (!store)
        return Error{path + ": " + store.error().message, store.error().detail};
    return store;
}

Result<std::string> writeImageKeepingReplaced(const BlockStore& store, const std::string& out,
                                              const ImageHistory& history, std::string_view command)
{
    const auto file = store.toImageFile();
    if (!file)
        return file.error();
    return replaceKeepingCopy(out, *file, history, command);
}

} // namespace ft817
