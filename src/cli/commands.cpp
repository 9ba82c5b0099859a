#include "cli/commands.h"

#include "cli/command_line.h"
#include "cli/exchange_commands.h"
#include "platform/qt_history_folder.h"

namespace ft817 {

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> all = {
        {"download", "[--port DEVICE] [--fast] FILE",
         "receive the radio's memory in clone mode into an image file", runDownloadCommand},
        {"upload", "[--port DEVICE] [--fast] [--any-layout] FILE",
         "send an image file to the radio waiting in clone-receive mode", runUploadCommand},
        {"show", "FILE [--channel N] [--json]", "print the memory held in an image file", runShowCommand},
        {"export", "IMAGE FILE.csv", "write the active memory channels of an image file as CSV",
         runExportCommand},
        {"import", "IMAGE FILE.csv [--out NEW]",
         "write the channels of a CSV file into a copy of an image file", runImportCommand},
        {"sheet", "IMAGE OUT.pdf [--paper a4|letter]",
         "write the channel sheet of an image file as a PDF to print", runSheetCommand, true},
        {"diff", "A B", "print what differs between two image files (exit 1 when they differ)",
         runDiffCommand},
        {"settings", "IMAGE [--json] | IMAGE KEY=VALUE... [--out OUT]",
         "list the radio's menu settings held in an image file, or change them", runSettingsCommand},
        {"convert", "[--raw] IN OUT",
         "write another tool's payload file as an image file, or (--raw) an image file as one",
         runConvertCommand},
        {"cat", "[--port DEVICE] DIGITS", "send one CAT set-frequency command (10 Hz units)", runCatCommand},
        {"calibration", "[--port DEVICE] [--cat-rate RATE] [OUT] | show FILE | compare A B",
         "back up the radio's soft calibration over CAT (reads only), show or compare backups",
         runCalibrationCommand},
        {"tune", "IMAGE CHANNEL [--port DEVICE] [--cat-rate RATE]",
         "put a memory channel on the radio's VFO over CAT to try it on the air", runTuneCommand},
        {"capture", "IMAGE CHANNEL [--port DEVICE] [--out OUT]",
         "take the radio's frequency and mode over CAT into a memory channel", runCaptureCommand},
        {"sim", "--link PATH [options]", "run a simulated radio on a pseudo-terminal (sim --help)",
         runSimCommand},
    };
    return all;
}

int runSubcommand(const Subcommand& command, const Arguments& args)
{
    const int exit = command.run(args);
    const int written = finishStandardOutput(command.name);
    return written != 0 ? written : exit;
}

const Subcommand* findSubcommand(std::string_view name)
{
    for (const Subcommand& command : subcommands()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

std::string programUsage()
{
    std::string text =
        "Usage: ft817clone [--port DEVICE | --simulate] [--fast]  open the windows\n"
        "       ft817clone COMMAND [arguments]                    run one command without windows\n"
        "\n"
        "Clone, edit and upload the memory of a Yaesu FT-817, FT-817ND or FT-818 (US models too).\n"
        "\n"
        "Options for the windows:\n"
        "  --port DEVICE   serial device of the radio (default: the first USB serial adapter)\n"
        "  --simulate      attach to the built-in simulated radio instead of a real one\n"
        "  --fast          fast transfers for this run (the main window's right-click item)\n"
        "  --help          show this text\n"
        "  --version       show the program's version\n"
        "\n"
        "Every image a download saves, and any file it replaces, is kept in the history folder\n"
        "$XDG_DATA_HOME/ft817clone/history (by default ~/.local/share/ft817clone/history),\n"
        "here " +
        historyFolder() +
        "\n"
        "\n"
        "Commands:\n";
    for (const Subcommand& command : subcommands()) {
        std::string head = std::string("  ") + command.name + " " + command.usage;
        if (head.size() < 40)
            head.resize(40, ' ');
        else
            head += "\n" + std::string(40, ' ');
        text += head + command.summary + "\n";
    }
    return text;
}

} // namespace ft817
