#include "cli/exchange_commands.h"

#include "image/block_store.h"
#include "image/csv_exchange.h"
#include "image/image_diff.h"
#include "image/memory_map.h"
#include "platform/file_access.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace ft817 {

namespace {

constexpr const char* kExportUsage =
    "Usage: ft817clone export IMAGE FILE.csv\n"
    "Writes the active memory channels of an image file as CSV (Location, Name, Frequency,\n"
    "Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, ... as other programming tools\n"
    "read them). FILE.csv \"-\" writes to standard output.\n";

constexpr const char* kImportUsage =
    "Usage: ft817clone import IMAGE FILE.csv [--out NEW]\n"
    "Writes the channels of a CSV file into a copy of an image file. Each row sets the\n"
    "channel at its Location (1..200) and makes it active; every byte a row does not\n"
    "describe keeps its value, and channels without a row stay as they are. When any row\n"
    "is refused (its line is named) nothing is written.\n"
    "  --out NEW   write the new image here (default: IMAGE with \".imported\" before its\n"
    "              extension; IMAGE itself is changed only when NEW names it)\n";

constexpr const char* kDiffUsage =
    "Usage: ft817clone diff A B\n"
    "Prints what differs from image file A to image file B, one line each, old \u2192 new:\n"
    "channels, band records, VFO and band select, current channel, then any other byte.\n"
    "Exit status 0 when they are the same, 1 when they differ, 2 on wrong use or an\n"
    "unreadable image.\n";

int usageError(const char* command, const std::string& why, const char* usage)
{
    std::cerr << "ft817clone " << command << ": " << why << "\n" << usage;
    return 2;
}

bool wantsHelp(const Arguments& args)
{
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

// The image at path as the editor loads it, or the reason printed after "ft817clone COMMAND: ".
Result<BlockStore> loadImage(const std::string& path)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return bytes.error();
    auto store = BlockStore::load(*bytes);
    if (!store)
        return Error{path + ": " + store.error().message, store.error().detail};
    return store;
}

} // namespace

std::string importedImagePath(const std::string& imagePath)
{
    const std::filesystem::path path(imagePath);
    const std::string stem = path.stem().string();
    const std::string extension = path.extension().string();
    // A name made only of its extension (".bin") has no stem to put the mark after.
    if (stem.empty() || extension.empty())
        return imagePath + ".imported";
    return (path.parent_path() / (stem + ".imported" + extension)).string();
}

int runExportCommand(const Arguments& args)
{
    if (wantsHelp(args)) {
        std::cout << kExportUsage;
        return 0;
    }
    for (const std::string& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return usageError("export", "unknown option " + arg, kExportUsage);
    if (args.size() != 2)
        return usageError("export", "name the image file and the CSV file to write", kExportUsage);

    const auto store = loadImage(args[0]);
    if (!store) {
        std::cerr << "ft817clone export: " << store.error().full() << "\n";
        return 1;
    }
    const std::string csv = exportChannelsCsv(*store);
    int rows = 0;
    for (int channel = 0; channel < kChannelCount; ++channel)
        rows += isChannelActive(*store, channel) ? 1 : 0;
    if (args[1] == "-") {
        std::cout << csv;
        return std::cout.good() ? 0 : 1;
    }
    const Status written =
        writeWholeFile(args[1], std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
    if (!written) {
        std::cerr << "ft817clone export: " << written.error().full() << "\n";
        return 1;
    }
    std::cout << "wrote " << rows << (rows == 1 ? " channel" : " channels") << " to " << args[1] << "\n";
    return 0;
}

int runImportCommand(const Arguments& args)
{
    if (wantsHelp(args)) {
        std::cout << kImportUsage;
        return 0;
    }
    std::vector<std::string> files;
    std::optional<std::string> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size())
                return usageError("import", "--out needs the path of the image file to write", kImportUsage);
            out = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return usageError("import", "unknown option " + args[i], kImportUsage);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2)
        return usageError("import", "name the image file and the CSV file to read", kImportUsage);
    const std::string& imagePath = files[0];
    const std::string& csvPath = files[1];
    const std::string target = out ? *out : importedImagePath(imagePath);

    const auto store = loadImage(imagePath);
    if (!store) {
        std::cerr << "ft817clone import: " << store.error().full() << "\n";
        return 1;
    }
    const auto csv = readWholeFile(csvPath);
    if (!csv) {
        std::cerr << "ft817clone import: " << csv.error().full() << "\n";
        return 1;
    }
    const CsvImport imported =
        importChannelsCsv(*store, std::string_view(reinterpret_cast<const char*>(csv->data()), csv->size()));
    if (!imported.ok()) {
        for (const CsvProblem& problem : imported.problems)
            std::cerr << "ft817clone import: " << csvPath << " " << problem.text() << "\n";
        std::cerr << "ft817clone import: nothing written (" << imported.problems.size()
                  << (imported.problems.size() == 1 ? " problem" : " problems") << ")\n";
        return 1;
    }
    for (const CsvProblem& note : imported.notes)
        std::cout << csvPath << " " << note.text() << "\n";

    const auto file = imported.store.toImageFile();
    if (!file) {
        std::cerr << "ft817clone import: " << file.error().full() << "\n";
        return 1;
    }
    const Status written = writeWholeFile(target, *file);
    if (!written) {
        std::cerr << "ft817clone import: " << written.error().full() << "\n";
        return 1;
    }
    const std::size_t count = imported.channels.size();
    std::cout << "wrote " << count << (count == 1 ? " channel" : " channels") << " into " << target << "\n";
    return 0;
}

int runDiffCommand(const Arguments& args)
{
    if (wantsHelp(args)) {
        std::cout << kDiffUsage;
        return 0;
    }
    for (const std::string& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return usageError("diff", "unknown option " + arg, kDiffUsage);
    if (args.size() != 2)
        return usageError("diff", "name the two image files to compare", kDiffUsage);

    const auto before = loadImage(args[0]);
    if (!before) {
        std::cerr << "ft817clone diff: " << before.error().full() << "\n";
        return 2;
    }
    const auto after = loadImage(args[1]);
    if (!after) {
        std::cerr << "ft817clone diff: " << after.error().full() << "\n";
        return 2;
    }
    const std::vector<std::string> lines = describeImageDifferences(*before, *after);
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return lines.empty() ? 0 : 1;
}

} // namespace ft817
