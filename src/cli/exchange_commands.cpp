#include "cli/exchange_commands.h"

#include "cli/image_output.h"
#include "cli/memory_check.h"

#include "cli/command_line.h"
#include "exchange/csv_exchange.h"
#include "exchange/image_diff.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/file_replacement.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/payload_file.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "text/text_format.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <utility>
#include <variant>

namespace ft817 {

namespace {

// diff's exit codes, as diff(1)'s: the images differ, an image cannot be read.
constexpr int kDiffDifferentExit = 1;
constexpr int kDiffTroubleExit = 2;

constexpr const char* kExportUsage =
    "Usage: ft817clone export IMAGE FILE.csv [--special]\n"
    "Writes the active memory channels of an image file as CSV (Location, Name, Frequency,\n"
    "Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, ... TStep, Skip as other\n"
    "programming tools read them, then TxMode, Narrow, IPO and ATT, which import reads back).\n"
    "FILE.csv \"-\" writes to standard output. IMAGE may also be a payload file of another\n"
    "programming tool (see convert --help).\n"
    "  --special   write the special memories instead (VFO band records, HOME, QMB, PMS-L and\n"
    "              PMS-U when in use, M-601..M-605 on US radios), Location their name;\n"
    "              import reads such rows back\n";

constexpr const char* kImportUsage =
    "Usage: ft817clone import IMAGE FILE.csv [--out NEW]\n"
    "Writes the channels of a CSV file into a copy of an image file. Each row sets the\n"
    "channel at its Location (1..200) and makes it active, or the special memory it names\n"
    "(\"HOME 144 MHz\", as export --special writes them); every byte a row does not\n"
    "describe keeps its value, and channels without a row stay as they are. When any row\n"
    "is refused (its line is named) nothing is written. An image whose stored checksums do\n"
    "not match (a block arrived damaged) or whose blocks the radio split is refused: the new\n"
    "image would hide the damage. IMAGE may also be a payload file of another programming tool.\n"
    "  --any-layout  read such an image all the same\n"
    "  --out NEW   write the new image here (default: IMAGE with \".imported\" before its\n"
    "              extension; for a payload file an image file beside it, with the extension\n"
    "              .bin); never IMAGE or FILE.csv themselves\n";

constexpr const char* kDiffUsage =
    "Usage: ft817clone diff A B\n"
    "Prints what differs from image file A to image file B, one line each, old \u2192 new:\n"
    "channels, special memories by name, VFO and band select, current channel, then any\n"
    "other byte.\n"
    "Stored checksums that differ are listed too. Exit status 0 when they are the same,\n"
    "1 when they differ, 2 on wrong use or an unreadable image. A and B may also be payload\n"
    "files of another programming tool (see convert --help).\n"
    "The channels and special memories in use whose frequency the radio cannot tune are\n"
    "named on standard error, for each file, one a line.\n";

// Reads the arguments of a command that takes exactly two files and no
// options: the two files, or the exit code when the command stops here.
std::variant<std::pair<std::string, std::string>, int>
readTwoFiles(const char* command, const char* usage, const Arguments& args, const char* missing)
{
    CommandLine line(command, usage);
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.size() != 2)
        return line.usageError(missing);
    return std::pair(files[0], files[1]);
}

// What export was asked to do.
struct ExportRequest {
    std::string imagePath;
    std::string csvPath;
    bool specials = false;
};

std::variant<ExportRequest, int> readExportArguments(const Arguments& args)
{
    CommandLine line("export", kExportUsage);
    line.addFlag("special");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.size() != 2)
        return line.usageError("name the image file and the CSV file to write");
    return ExportRequest{files[0], files[1], line.isSet("special")};
}

// What import was asked to do.
struct ImportRequest {
    std::string imagePath;
    std::string csvPath;
    std::string target;
    bool anyLayout = false;
};

std::variant<ImportRequest, int> readImportArguments(const Arguments& args)
{
    CommandLine line("import", kImportUsage);
    line.addValueOption("out", "NEW");
    line.addFlag("any-layout");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.size() != 2)
        return line.usageError("name the image file and the CSV file to read");
    return ImportRequest{files[0], files[1], line.value("out"), line.isSet("any-layout")};
}

// At most 20 problems of a CSV file, then how many more there are.
void printProblems(const std::string& csvPath, const std::vector<CsvProblem>& problems)
{
    constexpr std::size_t kShown = 20;
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
        commandMessage("import", csvPath + " " + problems[i].text());
    if (problems.size() > kShown)
        commandMessage("import", "and " + std::to_string(problems.size() - kShown) + " more");
}

} // namespace

Status checkNotAnInput(const std::string& output, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs)
        if (sameFile(output, input))
            return Error{"will not write over " + input + ", which this command reads; name another file",
                         {}};
    return {};
}

Result<LoadedMemory> loadMemory(const std::string& command, const std::string& path)
{
    Result<Bytes> bytes = readImageFileBytes(path);
    if (!bytes)
        return bytes.error();
    Result<MemoryFile> memory = readMemoryBytes(std::move(*bytes));
    if (!memory)
        return Error{path + ": " + memory.error().message, memory.error().detail};
    auto store = BlockStore::load(memory->imageFile);
    if (!store)
        return Error{path + ": " + store.error().message, store.error().detail};
    if (const std::string note = memory->note(); !note.empty())
        commandMessage(command, path + ": " + note);
    return LoadedMemory{std::move(*store), std::move(memory->imageFile), memory->payloadRadio,
                        std::move(memory->splitBlock)};
}

std::string importedImagePath(const std::string& imagePath)
{
    const std::filesystem::path path(imagePath);
    const std::string stem = path.stem().string();
    const std::string extension = path.extension().string();
    // A name made only of its extension (".bin") has no stem to put the mark after.
    if (stem.empty() || extension.empty())
        return imagePath + ".imported";
    // The folder stays as the user wrote it (a / stays a / on Windows too).
    const std::string name = path.filename().string();
    return imagePath.substr(0, imagePath.size() - name.size()) + stem + ".imported" + extension;
}

int runExportCommand(const Arguments& args)
{
    const auto read = readExportArguments(args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const auto& [imagePath, csvPath, specials] = std::get<ExportRequest>(read);

    const auto memory = loadMemory("export", imagePath);
    if (!memory)
        return commandFailure("export", memory.error().full());
    const BlockStore& store = memory->store;
    printNotWholeMemory("export", imagePath, memory->imageFile);
    const std::string csv = specials ? exportSpecialsCsv(store) : exportChannelsCsv(store);
    int rows = 0;
    for (int channel = 0; channel < kChannelCount && !specials; ++channel) {
        if (!isChannelActive(store, channel))
            continue;
        ++rows;
        // Said on the error stream, so that it never mixes into a CSV written to standard output.
        const ChannelRecordView record = ChannelRecordView::forChannel(store, channel);
        if (record.tagHighBit() && hasControlCharacter(record.tag()))
            commandMessage("export", "channel " + std::to_string(channel + 1) +
                                         ": its tag holds bytes a tag cannot show; they are written as ?");
    }
    if (csvPath == "-") {
        std::cout << csv;
        return 0;
    }
    if (const Status distinct = checkNotAnInput(csvPath, {imagePath}); !distinct)
        return commandFailure("export", distinct.error().message);
    const Result<std::string> kept =
        replaceKeepingCopy(csvPath, std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()),
                           ImageHistory(historyFolder()), "export");
    if (!kept)
        return commandFailure("export", kept.error().full());
    if (specials)
        rows = static_cast<int>(std::count(csv.begin(), csv.end(), '\n')) - 1;
    std::cout << "wrote "
              << (specials ? countOf(rows, "special memory", "special memories")
                           : countOf(rows, "channel", "channels"))
              << " to " << csvPath << "\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

int runImportCommand(const Arguments& args)
{
    const auto read = readImportArguments(args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const auto& [imagePath, csvPath, out, anyLayout] = std::get<ImportRequest>(read);

    const auto memory = loadMemoryToChange("import", imagePath, anyLayout, "import");
    if (!memory)
        return commandFailure("import", memory.error().full());
    const BlockStore* store = &memory->store;
    const std::string target = !out.empty()           ? out
                               : memory->payloadRadio ? imagePathBeside(imagePath)
                                                      : importedImagePath(imagePath);
    if (const Status distinct = checkNotAnInput(target, {imagePath, csvPath}); !distinct)
        return commandFailure("import", distinct.error().message);
    const auto csv = readWholeFile(csvPath, kMaxCsvFileBytes);
    if (!csv)
        return commandFailure("import", csv.error().full());
    const CsvImport imported =
        importChannelsCsv(*store, std::string_view(reinterpret_cast<const char*>(csv->data()), csv->size()));
    if (!imported.ok()) {
        printProblems(csvPath, imported.problems);
        return commandFailure(
            "import", "nothing written (" +
                          countOf(static_cast<long long>(imported.problems.size()), "problem", "problems") +
                          ")");
    }
    for (const CsvProblem& note : imported.notes)
        std::cout << csvPath << " " << note.text() << "\n";

    const auto file = imported.store.toImageFile();
    if (!file)
        return commandFailure("import", file.error().full());
    const Result<std::string> kept =
        replaceKeepingCopy(target, *file, ImageHistory(historyFolder()), "import");
    if (!kept)
        return commandFailure("import", kept.error().full());
    const std::size_t count = imported.channels.size();
    std::cout << "wrote " << countOf(static_cast<long long>(count), "channel", "channels");
    if (!imported.specials.empty())
        std::cout << " and "
                  << countOf(static_cast<long long>(imported.specials.size()), "special memory",
                             "special memories");
    std::cout << " into " << target << "\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

int runDiffCommand(const Arguments& args)
{
    const auto read = readTwoFiles("diff", kDiffUsage, args, "name the two image files to compare");
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const auto& [beforePath, afterPath] = std::get<0>(read);

    const auto before = loadMemory("diff", beforePath);
    if (!before) {
        commandMessage("diff", before.error().full());
        return kDiffTroubleExit;
    }
    const auto after = loadMemory("diff", afterPath);
    if (!after) {
        commandMessage("diff", after.error().full());
        return kDiffTroubleExit;
    }
    printNotWholeMemory("diff", beforePath, before->imageFile);
    printNotWholeMemory("diff", afterPath, after->imageFile);
    printUntunedMemories("diff", beforePath, untunedMemories(before->store));
    printUntunedMemories("diff", afterPath, untunedMemories(after->store));
    std::vector<std::string> lines = describeImageDifferences(before->store, after->store);
    for (std::string& line : describeChecksumDifferences(before->imageFile, after->imageFile))
        lines.push_back(std::move(line));
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return lines.empty() ? 0 : kDiffDifferentExit;
}

} // namespace ft817
