// Times the whole calibration backup (an EEPROM read of two bytes at each of
// the 85 addresses, each answered before the next) through the real serial
// port code against the simulated radio pacing its line at 9600 baud, at a
// given CAT rate and with the rate found by itself. Prints the wall time of
// each run and the floor the line and the radio impose for the reads (5 bytes
// out and 2 back per read, each answer 5 ms after its command, as the
// simulated radio answers); bringing the radio's commands into step before
// the first read adds about half a second above it. The simulated radio hands
// each byte over as it starts on the line, so the reads may come in under the
// floor by up to one byte time (1.1 ms) a read.
//
// Usage: ft817_calibration_bench [RUNS]

#include "cat_protocol/calibration_backup.h"
#include "platform/clock.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace ft817;

namespace {

double nowSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// One backup at rate (0: found by itself); the wall time, or a negative number after a failure.
double timeBackup(int rate)
{
    sim::RadioOptions options;
    options.mode = sim::Mode::Cat;
    options.pacing = true;
    options.cat.rate = 9600;
    sim::SimulatedRadio radio(options);
    const std::string link = "/tmp/ft817_calibration_bench_" + std::to_string(::getpid());
    if (Status started = radio.start(link); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().message.c_str());
        return -1;
    }
    QtSerialPort port(radio.devicePath());
    SteadyClock clock;
    CalibrationRequest request;
    request.rate = rate;
    const double start = nowSeconds();
    const Result<CalibrationRead> read = readCalibration(port, clock, request);
    const double took = nowSeconds() - start;
    radio.stop();
    if (!read) {
        std::fprintf(stderr, "backup failed: %s\n", read.error().full().c_str());
        return -1;
    }
    return took;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const double floor = kCalibrationReads * ((5 + 2) * 11.0 / 9600 + sim::CatOptions{}.answerDelay);
    std::printf("calibration backup, %d reads at 9600 baud; floor (line and radio's answer delay) %.3f s\n",
                kCalibrationReads, floor);
    for (const int rate : {9600, 0}) {
        for (int run = 0; run < runs; ++run) {
            const double took = timeBackup(rate);
            if (took < 0)
                return 1;
            std::printf("  %-22s run %d: %.3f s (%.3f s above the floor)\n",
                        rate ? "--cat-rate 9600" : "auto (4800 probe first)", run + 1, took, took - floor);
        }
    }
    return 0;
}
