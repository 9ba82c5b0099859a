// The convert subcommand: a payload file of another programming tool into an
// image file, or (--raw) an image file into a payload file that tool reads.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/memory_check.h"

#include "image/file_replacement.h"
#include "image/payload_file.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "text/text_format.h"

#include <iostream>

namespace ft817 {
namespace {

constexpr const char* kConvertOptions =
    "  --raw   write OUT as a payload file instead: the memory of the image file (or payload\n"
    "          file) IN back to back, without a trailer, as other programming tools read it\n"
    "  --any-layout  with --raw, write an image whose stored checksums do not match all the\n"
    "          same (the payload file keeps no checksums: the damage no longer shows)\n"
    "OUT is never IN; it is written whole or not at all.\n";

// The lengths come from the models' table.
std::string convertUsage()
{
    std::string what =
        "Writes the payload file IN, as other programming tools save a memory, as the image file "
        "OUT. A payload file holds the radio's memory bytes back to back: ";
    what += knownPayloadLengths();
    what += "; a trailer after them is ignored apart from the model it names.";
    std::string usage = "Usage: ft817clone convert [--raw [--any-layout]] IN OUT\n";
    usage += wrapped(what, 92);
    usage += kConvertOptions;
    return usage;
}

// Writes IN's memory to OUT as an image file, or with raw as a payload file.
int convert(const CommandLine& line, const std::string& in, const std::string& out, bool raw, bool anyLayout)
{
    if (sameFile(out, in))
        return line.failure("will not write over " + in + ", which this command reads; name another file");
    const Result<MemoryFile> memory = readMemoryFile(in);
    if (!memory)
        return line.failure(in + ": " + memory.error().full());
    if (!memory->payloadRadio && !raw)
        return line.failure(in + " is an image file already; convert --raw writes it as a payload file");
    if (!memory->note().empty())
        commandMessage("convert", in + ": " + memory->note());
    if (!memory->payloadRadio) {
        if (const Status clean = checkNoDamageHidden(in, memory->imageFile, anyLayout, "convert it"); !clean)
            return line.failure(clean.error().full());
        if (!memory->splitBlock.empty() && !anyLayout)
            return line.failure(in + " is not a whole memory as saved; to convert it all the same (its two "
                                     "pieces joined), give --any-layout");
    }

    const Result<Bytes> bytes =
        raw ? payloadFileFromImage(memory->imageFile, anyLayout) : Result<Bytes>(memory->imageFile);
    if (!bytes)
        return line.failure(in + ": " + bytes.error().full());
    const Result<std::string> kept =
        replaceKeepingCopy(out, *bytes, ImageHistory(historyFolder()), "convert");
    if (!kept)
        return line.failure(kept.error().full());
    std::cout << "wrote " << out << ": " << (raw ? "payload file" : "image file") << ", "
              << countOf(static_cast<long long>(bytes->size()), "byte", "bytes") << "\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

} // namespace

int runConvertCommand(const Arguments& args)
{
    CommandLine line("convert", convertUsage());
    line.addFlag("raw");
    line.addFlag("any-layout");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.size() != 2)
        return line.usageError("name the file to read and the file to write");
    return convert(line, files[0], files[1], line.isSet("raw"), line.isSet("any-layout"));
}

} // namespace ft817
