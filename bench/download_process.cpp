// The processor time a whole `ft817clone download --fast` uses, start-up
// included: runs the built program as its own process against the simulated
// radio (in this process, pacing its line at 9600 baud with a real radio's
// delays) and prints the child's user + system time as a share of one core
// over the wall time of the run. Start-up alone is measured as well, as the
// time of `ft817clone download --help`, which starts, prints and ends.
//
// Usage: ft817_download_process_bench [RUNS] [PROGRAM]
//   RUNS     downloads to time (default 3)
//   PROGRAM  the ft817clone to run (default: the one this build made)

#include "platform/clock.h"
#include "sim/simulated_radio.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace ft817;

namespace {

// User + system seconds of the children waited for so far.
double childrenCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run {
    bool ok = false;
    double wall = 0;
    double cpu = 0;
};

// Runs the program with the arguments, its standard output thrown away, and
// waits for it: its wall and processor time, ok when it exited with 0.
Run runProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    SteadyClock clock;
    Run run;
    const double cpu0 = childrenCpuSeconds();
    const double wall0 = clock.now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot run %s\n", program.c_str());
        return run;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.wall = clock.now() - wall0;
    run.cpu = childrenCpuSeconds() - cpu0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    const std::string program = argc > 2 ? argv[2] : FT817_PROGRAM;

    // The downloads keep their images, and the history folder, in a folder of their own.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("ft817-download-process-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

    constexpr int kStarts = 20;
    double startCpu = 0;
    double startWall = 0;
    for (int i = 0; i < kStarts; ++i) {
        const Run run = runProgram(program, {"download", "--help"});
        startCpu += run.cpu;
        startWall += run.wall;
    }
    std::printf("start-up (download --help)  %6.1f ms processor, %6.1f ms wall (mean of %d)\n",
                1000.0 * startCpu / kStarts, 1000.0 * startWall / kStarts, kStarts);

    sim::RadioOptions sending;
    sending.mode = sim::Mode::Send;
    sim::SimulatedRadio radio(sending);
    if (Status started = radio.start(); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().full().c_str());
        return 1;
    }
    bool ok = true;
    double worst = 0;
    for (int i = 0; i < runs && ok; ++i) {
        const std::string image = (folder / ("download-" + std::to_string(i) + ".img")).string();
        const Run run = runProgram(program, {"download", "--fast", "--port", radio.devicePath(), image});
        if (!run.ok) {
            std::fprintf(stderr, "download %d failed\n", i + 1);
            ok = false;
            break;
        }
        const double share = 100.0 * run.cpu / run.wall;
        worst = std::max(worst, share);
        std::printf("download --fast %d           %6.1f ms processor in %6.3f s wall = %5.2f %% of a core\n",
                    i + 1, 1000.0 * run.cpu, run.wall, share);
    }
    radio.stop();
    std::filesystem::remove_all(folder);
    if (ok)
        std::printf("the most a whole download --fast used: %.2f %% of a core\n", worst);
    return ok ? 0 : 1;
}
