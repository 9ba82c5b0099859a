#include "cli/memory_check.h"

#include "image/image_check.h"
#include "image/payload_file.h"
#include "platform/file_access.h"

#include "cli/command_line.h"

namespace ft817 {

std::string notWholeMemoryNote(std::span<const std::uint8_t> imageFile)
{
    const ImageCheck check = checkImageFile(imageFile);
    if (check.wholeMemory())
        return {};
    if (check.shapeProblems.empty())
        return staleChecksumNote(check);
    return "not a whole memory: " + notWholeFileReason(check);
}

void printNotWholeMemory(const std::string& command, const std::string& path,
                         std::span<const std::uint8_t> imageFile, const std::string& tail)
{
    if (const std::string note = notWholeMemoryNote(imageFile); !note.empty())
        commandMessage(command, path + ": " + note + tail);
}

std::string untunedMemoryLines(const std::vector<std::string>& untuned)
{
    std::string lines;
    for (const std::string& memory : untuned)
        lines += "  " + memory + "\n";
    return lines;
}

void printUntunedMemories(const std::string& command, const std::string& path,
                          const std::vector<std::string>& untuned)
{
    if (!untuned.empty())
        commandMessage(command, path + ": " + untunedHeading(untuned.size()) + ":",
                       untunedMemoryLines(untuned));
}

Status checkNoDamageHidden(const std::string& path, std::span<const std::uint8_t> imageFile, bool anyLayout,
                           const std::string& doing)
{
    const std::string damage = damageHiddenByRewrite(checkImageFile(imageFile));
    if (damage.empty() || anyLayout)
        return {};
    return Error{path + ": " + damage,
                 "Nothing written: the new image would carry the damage with fresh checksums, and nothing "
                 "would show it any more. To " +
                     doing + " all the same, give --any-layout."};
}

Result<LoadedMemory> loadMemoryToChange(const std::string& command, const std::string& path, bool anyLayout,
                                        const std::string& doing)
{
    Result<LoadedMemory> memory = loadMemory(command, path);
    if (!memory)
        return memory;
    if (const Status clean = checkNoDamageHidden(path, memory->imageFile, anyLayout, doing); !clean)
        return clean.error();
    if (!memory->splitBlock.empty() && !anyLayout)
        return Error{path + ": not a whole memory: " + memory->splitBlock,
                     "Nothing written: the file is not what the radio holds as it was saved. To " + doing +
                         " all the same (its two pieces joined), give --any-layout."};
    printNotWholeMemory(command, path, memory->imageFile);
    return memory;
}

Result<std::string> changedImageTarget(const LoadedMemory& memory, const std::string& path,
                                       const std::string& out)
{
    if (!memory.payloadRadio)
        return out.empty() ? path : out;
    const std::string target = out.empty() ? imagePathBeside(path) : out;
    if (sameFile(target, path))
        return Error{"will not write over " + path + ", a payload file of another programming tool",
                     "The changed memory is written as an image file; name another file with --out, or "
                     "leave --out away to write it beside as " +
                         imagePathBeside(path) + ". convert --raw turns an image file into a payload file."};
    return target;
}

} // namespace ft817
