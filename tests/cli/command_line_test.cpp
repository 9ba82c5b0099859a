// How every command reads its command line: --help, unknown options, options
// missing their value, missing files, and the exit code when standard output
// cannot be written. Only wrong usage here, so no command reaches a port or
// the simulated radio.

#include "app/start_up.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/program.h"
#include "exchange/calibration_text.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QProcessEnvironment>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace ft817 {
namespace {

struct Output {
    int code = -1;
    std::string out;
    std::string err;
};

template <typename Run> Output capture(Run run)
{
    std::ostringstream out, err;
    auto* oldOut = std::cout.rdbuf(out.rdbuf());
    auto* oldErr = std::cerr.rdbuf(err.rdbuf());
    const int code = run();
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {code, out.str(), err.str()};
}

Output runCommand(const std::string& name, const Arguments& args)
{
    const Subcommand* command = findSubcommand(name);
    EXPECT_NE(command, nullptr) << name;
    return command ? capture([&] { return command->run(args); }) : Output{};
}

TEST(CommandLine, EveryCommandPrintsItsHelpAndExitsZero)
{
    for (const Subcommand& command : subcommands()) {
#ifndef FT817_SIMULATED_RADIO
        // Where there is no simulated radio, sim only says so.
        if (std::string(command.name) == "sim")
            continue;
#endif
        for (const char* help : {"--help", "-h"}) {
            const Output result = runCommand(command.name, {help});
            EXPECT_EQ(result.code, 0) << command.name;
            EXPECT_NE(result.out.find(std::string("Usage: ft817clone ") + command.name), std::string::npos)
                << command.name;
            EXPECT_TRUE(result.err.empty()) << result.err;
        }
    }
}

TEST(CommandLine, WrongUsageNamesTheProblemAndExitsTwo)
{
    const struct {
        const char* command;
        Arguments args;
        const char* reason;
    } cases[] = {
        {"download", {"--port"}, "ft817clone download: Missing value after '--port'."},
        {"download", {"--port=", "radio.bin"}, "ft817clone download: --port needs a device"},
        {"upload", {"--speed", "9600", "radio.bin"}, "ft817clone upload: Unknown option 'speed'."},
        {"upload", {}, "ft817clone upload: missing the image FILE"},
        {"upload", {"a.bin", "b.bin"}, "only one image file, please (got 'a.bin' and 'b.bin')"},
        {"show", {"--channel"}, "ft817clone show: Missing value after '--channel'."},
        {"show", {"radio.bin", "--channel", "201"}, "the channel number must be 1..200, not \"201\""},
        {"show", {}, "ft817clone show: name the image file to show"},
        {"export", {"radio.bin"}, "ft817clone export: name the image file and the CSV file to write"},
        {"import", {"radio.bin", "in.csv", "--out"}, "ft817clone import: Missing value after '--out'."},
        {"diff", {"a.bin", "b.bin", "-x"}, "ft817clone diff: Unknown option 'x'."},
        {"cat", {"--port", "/dev/null"}, "ft817clone cat: missing DIGITS"},
        {"cat", {"43970000", "14525000"}, "ft817clone cat: unexpected argument '14525000'"},
        // DIGITS that are no frequency are wrong usage, as any other argument's value is.
        {"cat", {"1234"}, "ft817clone cat: Not sent: at least 5 digits"},
        {"cat", {"99999999"}, "ft817clone cat: not sent: 999.99999 MHz is outside what the FT-817 tunes"},
        {"cat", {"-1"}, "ft817clone cat: "},
        // A negative channel number is a channel out of range, not an option.
        {"tune", {"radio.img", "-1"}, "ft817clone tune: CHANNEL is a memory channel number 1-200, not '-1'"},
        {"capture",
         {"radio.img", "-5", "--out", "new.img"},
         "ft817clone capture: CHANNEL is a memory channel number 1-200, not '-5'"},
        {"show", {"radio.bin", "--channel", "-1"}, "the channel number must be 1..200, not \"-1\""},
        {"settings", {}, "ft817clone settings: name the image file"},
        {"convert", {"a.bin"}, "ft817clone convert: name the file to read and the file to write"},
        {"calibration", {"show"}, "ft817clone calibration: calibration show takes one FILE"},
        {"calibration", {"--cat-rate", "1200"}, "--cat-rate is 4800, 9600, 38400 or auto, not '1200'"},
    };
    for (const auto& c : cases) {
        const Output result = runCommand(c.command, c.args);
        EXPECT_EQ(result.code, 2) << c.reason;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(std::string("Usage: ft817clone ") + c.command), std::string::npos)
            << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

// A command whose output cannot be written has not done its job, whatever it
// was: it says so and exits 2. (Windows has no full device to write to.)
#ifndef _WIN32
TEST(CommandLine, EveryCommandFailsWhenStandardOutputCannotBeWritten)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full";
    test::TempDir dir;
    const std::string backup = calibrationText(Bytes(85, 0x40), "2026-12-09 10:00:00");
    ASSERT_TRUE(writeWholeFile(dir.file("backup.txt"), Bytes(backup.begin(), backup.end())));
    sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    ASSERT_TRUE(writeWholeFile(dir.file("a.bin"), *buildImageFile(memory.image, memory.blockLengths)));
    memory.image[memory.image.size() / 2] ^= 0x01;
    ASSERT_TRUE(writeWholeFile(dir.file("b.bin"), *buildImageFile(memory.image, memory.blockLengths)));
    std::vector<std::string> commands{"calibration show '" + dir.file("backup.txt") + "'",
                                      "diff '" + dir.file("a.bin") + "' '" + dir.file("b.bin") + "'"};
    for (const Subcommand& command : subcommands())
        commands.push_back(std::string(command.name) + " --help");
    commands.insert(commands.end(), {"--help", "--version"});
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        // Built in steps: an optimised build's -Wrestrict misreads "text" + temporary.
        std::string line = "'";
        line += test::programPath().toStdString();
        line += "' " + command + " > /dev/full 2> '" + dir.file("err") + "'";
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2);
        const Result<Bytes> err = readWholeFile(dir.file("err"));
        ASSERT_TRUE(err);
        EXPECT_NE(
            std::string(err->begin(), err->end()).find("cannot write to standard output: No space left"),
            std::string::npos)
            << std::string(err->begin(), err->end());
    }
}
#endif

TEST(CommandLine, SimReportsWrongUsageOnOneLine)
{
#ifndef FT817_SIMULATED_RADIO
    GTEST_SKIP() << "no simulated radio in this build";
#endif
    const struct {
        Arguments args;
        const char* line;
    } cases[] = {
        {{"--link"}, "ft817clone sim: Missing value after '--link' (see ft817clone sim --help)\n"},
        {{"--link=radio", "--once=yes"},
         "ft817clone sim: Unexpected value after '--once' (see ft817clone sim --help)\n"},
        {{"--link", "radio", "--ack-delay", "-1"},
         "ft817clone sim: --ack-delay needs a number of seconds, not '-1' (see ft817clone sim --help)\n"},
        {{"--link", "radio", "spare"},
         "ft817clone sim: unknown argument 'spare' (see ft817clone sim --help)\n"},
    };
    for (const auto& c : cases) {
        const Output result = runCommand("sim", c.args);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.err, c.line);
    }
}

TEST(CommandLine, WindowOptionsAreReadBeforeAnyWindowOpens)
{
    const struct {
        std::vector<const char*> args;
        int code;
        const char* text;
    } cases[] = {
        {{"--help"}, 0, "Usage: ft817clone [--port DEVICE | --simulate]"},
        {{"--version"}, 0, "ft817clone 0."},
        {{"--port"}, 2, "ft817clone: Missing value after '--port'."},
        {{"--simulate", "--colour"}, 2, "ft817clone: Unknown option 'colour'."},
        {{"dowload"}, 2, "ft817clone: unknown command or argument 'dowload'"},
    };
    for (const auto& c : cases) {
        std::vector<char*> argv{const_cast<char*>("ft817clone")};
        QStringList arguments{"ft817clone"};
        for (const char* arg : c.args) {
            argv.push_back(const_cast<char*>(arg));
            arguments << arg;
        }
        int argc = static_cast<int>(argv.size());
        const Output result =
            capture([&] { return runWindows(arguments, argc, argv.data(), programUsage()); });
        EXPECT_EQ(result.code, c.code) << c.text;
        EXPECT_NE((c.code == 0 ? result.out : result.err).find(c.text), std::string::npos) << result.err;
    }
}

TEST(CommandLine, EveryMessageNamesTheProgramAndItsCommand)
{
    const Output failed = capture([] { return commandFailure("show", "radio.img: no such file"); });
    EXPECT_EQ(failed.code, kFailedExit);
    EXPECT_EQ(failed.err, "ft817clone show: radio.img: no such file\n");
    // The program without a command has no command to name; what follows the line comes as it is.
    const Output windows = capture([] {
        commandMessage("", "--port needs a device", "\nUsage: ft817clone\n");
        return 0;
    });
    EXPECT_EQ(windows.err, "ft817clone: --port needs a device\n\nUsage: ft817clone\n");
    EXPECT_TRUE(windows.out.empty());
}

#if defined(__linux__) && defined(__GLIBC__)
// The window libraries took most of a command's start-up: a command loads Qt
// Core (and the serial port), never Qt GUI or Widgets. glibc's loader names
// every library it loads.
TEST(StartUp, CommandsLoadNoWindowLibrary)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    const test::ProgramRun run = test::runProgram({"show", "--help"}, environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("libQt6Core"), std::string::npos) << "the loader named no library";
    EXPECT_EQ(run.err.find("libQt6Gui"), std::string::npos);
    EXPECT_EQ(run.err.find("libQt6Widgets"), std::string::npos);
}
#endif

TEST(CommandLine, TheProgramNamesItsVersion)
{
    const test::ProgramRun run = test::runProgram({"--version"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, std::string("ft817clone ") + programVersion() + "\n");
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(StartUp, OnlyX11AndWaylandNeedADisplayVariable)
{
    const DisplayVariables none;
    EXPECT_TRUE(displayMissing(WindowSystem::X11OrWayland, none));
    // Windows and macOS set none of these, and their windows open all the same.
    EXPECT_FALSE(displayMissing(WindowSystem::Native, none));
    // Any one of them is enough: a chosen platform (offscreen), an X11 or a Wayland display.
    EXPECT_FALSE(displayMissing(WindowSystem::X11OrWayland, {.qtPlatform = true}));
    EXPECT_FALSE(displayMissing(WindowSystem::X11OrWayland, {.x11Display = true}));
    EXPECT_FALSE(displayMissing(WindowSystem::X11OrWayland, {.waylandDisplay = true}));
#if defined(Q_OS_LINUX)
    EXPECT_EQ(buildWindowSystem(), WindowSystem::X11OrWayland);
#endif
}

TEST(StartUp, WithoutAnyDisplayTheProgramSaysWhatWorksInstead)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows always has its display";
#endif
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    const test::ProgramRun run = test::runProgram({}, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("ft817clone: there is no display to open the windows on", 0), 0u) << run.err;
}

} // namespace
} // namespace ft817
