// ft817clone calibration: back up the radio's soft calibration over CAT, show
// a backup, compare two.

#include "cli/command_line.h"
#include "cli/commands.h"

#include "cat_protocol/calibration_backup.h"
#include "exchange/calibration_text.h"
#include "image/file_replacement.h"
#include "image/image_history.h"
#include "platform/clock.h"
#include "platform/local_time.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"

#include <ctime>
#include <iostream>

namespace ft817 {
namespace {

constexpr const char* kCalibrationUsage =
    "Usage: ft817clone calibration [--port DEVICE] [--cat-rate 4800|9600|38400|auto] [OUT]\n"
    "       ft817clone calibration show FILE [--json]\n"
    "       ft817clone calibration compare A B [--json]\n"
    "\n"
    "Backs up the part of the radio's EEPROM that clone mode does not carry (0x0000-0x0054,\n"
    "where its soft calibration lives) over CAT, with the radio in normal operation. Only\n"
    "reads are sent: the tool never writes the radio's EEPROM. The backup is a text file,\n"
    "one line per byte, kept in the history folder as <date>_<time>_calibration.txt and,\n"
    "when OUT is given, also written to OUT. Nothing is written unless every byte was read.\n"
    "\n"
    "  --port DEVICE     serial device of the radio (default: the first USB serial adapter)\n"
    "  --cat-rate RATE   the radio's CAT RATE (menu item CAT RATE): 4800, 9600, 38400, or auto\n"
    "                    (default) to find it\n"
    "  --json            show and compare: print JSON\n"
    "\n"
    "compare exits with 1 when the backups differ, 2 when one cannot be read.\n";

// compare's exit code when a backup cannot be read (1 says they differ).
constexpr int kUnreadableExit = 2;

Result<CalibrationBackup> readBackupFile(const std::string& path)
{
    const Result<Bytes> bytes = readWholeFile(path);
    if (!bytes)
        return bytes.error();
    Result<CalibrationBackup> backup =
        readCalibrationText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!backup)
        return Error{path + ": " + backup.error().message, {}};
    return backup;
}

int showBackup(const CommandLine& line, const std::vector<std::string>& words)
{
    if (words.size() != 2)
        return line.usageError("calibration show takes one FILE");
    const Result<CalibrationBackup> backup = readBackupFile(words[1]);
    if (!backup)
        return line.failure(backup.error().message);
    std::cout << (line.isSet("json") ? calibrationJson(*backup) : calibrationTable(*backup));
    return 0;
}

int compareBackups(const CommandLine& line, const std::vector<std::string>& words)
{
    if (words.size() != 3)
        return line.usageError("calibration compare takes two files, A and B");
    // As with diff, 1 says the backups differ; a backup that cannot be read is 2.
    const Result<CalibrationBackup> a = readBackupFile(words[1]);
    if (!a) {
        line.failure(a.error().message);
        return kUnreadableExit;
    }
    const Result<CalibrationBackup> b = readBackupFile(words[2]);
    if (!b) {
        line.failure(b.error().message);
        return kUnreadableExit;
    }
    const std::vector<int> differ = calibrationDifferences(*a, *b);
    if (line.isSet("json"))
        std::cout << calibrationComparisonJson(*a, *b);
    else if (differ.empty())
        std::cout << "the backups hold the same " << kCalibrationTextBytes << " bytes\n";
    else
        std::cout << differ.size() << (differ.size() == 1 ? " byte differs" : " bytes differ")
                  << " (A -> B):\n"
                  << calibrationComparison(*a, *b);
    return differ.empty() ? 0 : 1;
}

std::string nowText()
{
    const std::tm local = localTime(std::time(nullptr));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

int backUp(const CommandLine& line, const std::vector<std::string>& words)
{
    if (words.size() > 1)
        return line.usageError("unexpected argument '" + words[1] + "'");
    const std::string out = words.empty() ? std::string() : words[0];
    int rate = 0;
    if (const std::string text = line.value("cat-rate"); !text.empty() && text != "auto") {
        if (text != "4800" && text != "9600" && text != "38400")
            return line.usageError("--cat-rate is 4800, 9600, 38400 or auto, not '" + text + "'");
        rate = std::stoi(text);
    }
    // Every place the backup goes is checked before the first read, so that a
    // refused target never costs the radio's time.
    const ImageHistory history(historyFolder());
    if (const Status ready = history.checkTakesFiles(); !ready)
        return line.failure("cannot keep the backup in the history folder: " + ready.error().full());
    if (!out.empty()) {
        if (const Status writable = checkReplaceable(out, history, "calibration"); !writable)
            return line.failure(writable.error().message);
    }
    const std::string device = line.isSet("port") ? line.value("port") : defaultSerialDevice();
    QtSerialPort port(device);
    SteadyClock clock;
    CalibrationRequest request;
    request.rate = rate;
    const Result<CalibrationRead> read = readCalibration(port, clock, request);
    if (!read)
        return line.failure(read.error().full());

    const std::string text = calibrationText(read->bytes, nowText());
    const Result<std::string> kept = history.keepCalibration(text);
    if (!out.empty()) {
        const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
        const Result<std::string> replaced = replaceKeepingCopy(
            out, std::span<const std::uint8_t>(first, text.size()), history, "calibration");
        if (!replaced)
            return line.failure(replaced.error().message +
                                (kept ? " (the backup is kept at " + *kept + ")" : ""));
        std::cout << "wrote " << kCalibrationTextBytes << " bytes of calibration (EEPROM 0x0000-0x0054) to "
                  << out << " at " << read->rate << " baud\n";
    }
    if (!kept)
        return line.failure("cannot keep the backup in the history folder: " + kept.error().message);
    std::cout << "kept in the history as " << *kept << "\n";
    return 0;
}

} // namespace

int runCalibrationCommand(const Arguments& args)
{
    CommandLine line("calibration", kCalibrationUsage);
    line.addValueOption("port", "DEVICE");
    line.addValueOption("cat-rate", "RATE");
    line.addFlag("json");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> words = line.files();
    if (!words.empty() && words[0] == "show")
        return showBackup(line, words);
    if (!words.empty() && words[0] == "compare")
        return compareBackups(line, words);
    return backUp(line, words);
}

} // namespace ft817
