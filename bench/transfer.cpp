// Times full downloads and uploads through the real serial port code,
// against the simulated radio pacing its line at 9600 baud with a real
// radio's delays: with standard timing for an FT-817's memory (6609 bytes,
// 50 blocks), and with fast timing for an FT-817's and an FT-817ND (US)'s
// (6753 bytes, 51 blocks). For each it prints the wall time, the floor that
// the line and the radio (and, with standard timing, the protocol's own
// waits) impose, their difference, and the processor time of the thread
// that ran the transfer.
//
// Usage: ft817_transfer_bench [--no-pacing]

#include "clone/download.h"
#include "clone/upload.h"
#include "image/image_file.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace ft817;

namespace {

constexpr double kByteSeconds = 11.0 / 9600; // 8 data bits, 2 stop bits, 1 start bit

class SilentSink : public TransferSink {
public:
    void status(const std::string&) override {}
    void progressRange(int, int) override {}
    void progressMaximum(int) override {}
    void progressValue(int) override {}
    bool abandoned() override { return false; }
};

double cpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Measure {
    double wall = 0;
    double engineCpu = 0;
    double processCpu = 0;
};

template <class Transfer> Measure measure(Transfer transfer)
{
    SteadyClock clock;
    const double thread0 = cpuSeconds(RUSAGE_THREAD);
    const double process0 = cpuSeconds(RUSAGE_SELF);
    const double wall0 = clock.now();
    transfer();
    Measure m;
    m.wall = clock.now() - wall0;
    m.engineCpu = cpuSeconds(RUSAGE_THREAD) - thread0;
    m.processCpu = cpuSeconds(RUSAGE_SELF) - process0;
    return m;
}

void print(const std::string& name, const Measure& m, double floor, int blocks)
{
    std::printf("%-24s wall %7.3f s   floor %7.3f s   over floor %6.3f s (%5.2f ms a block)\n", name.c_str(),
                m.wall, floor, m.wall - floor, (m.wall - floor) * 1000.0 / blocks);
    std::printf(
        "%-24s engine thread CPU %6.3f s = %5.2f %% of wall   (whole process with radio thread %.3f s = "
        "%.2f %%)\n",
        "", m.engineCpu, 100.0 * m.engineCpu / m.wall, m.processCpu, 100.0 * m.processCpu / m.wall);
}

struct Bench {
    bool pacing = true;
    std::string path;
};

// Downloads the model's memory into bench.path; the radio starts startDelay
// after the port opens and sends each next block blockDelay after the
// acknowledgement. False when the transfer failed.
bool benchDownload(const Bench& bench, sim::Model model, TransferTiming timing)
{
    const sim::Memory memory = sim::defaultMemory(model);
    const int blocks = static_cast<int>(memory.blockLengths.size());
    const double line = bench.pacing ? static_cast<double>(memory.image.size()) * kByteSeconds : 0.0;
    sim::RadioOptions sending;
    sending.mode = sim::Mode::Send;
    sending.model = model;
    sending.pacing = bench.pacing;
    sim::SimulatedRadio radio(sending);
    if (Status started = radio.start(); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().full().c_str());
        return false;
    }
    TransferReport report;
    SilentSink sink;
    const Measure m = measure([&] {
        QtSerialPort port(radio.devicePath());
        SteadyClock clock;
        report = download(port, clock, bench.path, sink, ImageHistory(bench.path + ".history"), timing);
    });
    if (!report.complete ||
        *readWholeFile(bench.path) != *buildImageFile(memory.image, memory.blockLengths)) {
        std::fprintf(stderr, "download failed: %s\n",
                     report.reason.empty() ? "different bytes" : report.reason.c_str());
        return false;
    }
    const bool fast = timing == TransferTiming::Fast;
    const std::string name = std::string(fast ? "fast" : "standard") + " download " + sim::modelName(model);
    if (fast) {
        const double floor = sending.startDelay + line + blocks * sending.blockDelay;
        print(name, m, floor, blocks);
        std::printf("%-24s floor = radio start %.2f s + line %.3f s + %d x %.2f s radio's next block\n", "",
                    sending.startDelay, line, blocks, sending.blockDelay);
    } else {
        const double floor = sending.startDelay + line + blocks * kQuietTime +
                             (blocks - 1) * sending.blockDelay + kNextBlockTime;
        print(name, m, floor, blocks);
        std::printf(
            "%-24s floor = radio start %.2f s + line %.3f s + %d x %.2f s quiet + %d x %.2f s radio's next "
            "block + %.0f s end\n",
            "", sending.startDelay, line, blocks, kQuietTime, blocks - 1, sending.blockDelay, kNextBlockTime);
    }
    return true;
}

// Uploads the image file at bench.path to a radio of the model, which
// answers ackDelay after each block's last byte. False when the transfer
// failed or the radio took other bytes.
bool benchUpload(const Bench& bench, sim::Model model, TransferTiming timing)
{
    const sim::Memory memory = sim::defaultMemory(model);
    const int blocks = static_cast<int>(memory.blockLengths.size());
    const double line = bench.pacing ? static_cast<double>(memory.image.size()) * kByteSeconds : 0.0;
    sim::RadioOptions receiving;
    receiving.mode = sim::Mode::Receive;
    receiving.model = model;
    receiving.pacing = bench.pacing;
    sim::SimulatedRadio radio(receiving);
    if (Status started = radio.start(); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().full().c_str());
        return false;
    }
    TransferReport report;
    SilentSink sink;
    const Measure m = measure([&] {
        QtSerialPort port(radio.devicePath());
        SteadyClock clock;
        report = upload(port, clock, bench.path, sink, UploadLayout::WholeMemoryOnly, timing);
    });
    if (!report.complete) {
        std::fprintf(stderr, "upload failed: %s\n", report.reason.c_str());
        return false;
    }
    radio.waitForTransfers(1, 5.0);
    const bool identical = radio.receivedImage() == memory.image;
    const bool fast = timing == TransferTiming::Fast;
    const double pause = fast ? kFastPauseAfterBlock : kStandardPauseAfterBlock;
    const std::string name = std::string(fast ? "fast" : "standard") + " upload " + sim::modelName(model);
    print(name, m, line + blocks * (receiving.ackDelay + pause), blocks);
    std::printf(
        "%-24s floor = line %.3f s + %d x (%.2f s radio's answer + %.2f s pause); radio received %s\n", "",
        line, blocks, receiving.ackDelay, pause, identical ? "every byte as sent" : "DIFFERENT BYTES");
    return identical;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Bench bench;
    bench.pacing = !(argc > 1 && std::string(argv[1]) == "--no-pacing");
    bench.path = (std::filesystem::temp_directory_path() /
                  ("ft817-transfer-bench-" + std::to_string(::getpid()) + ".bin"))
                     .string();
    std::printf("Simulated radio on a %s line; floors count the line at 11 bits a byte\n",
                bench.pacing ? "9600-baud paced" : "unpaced");

    bool ok = benchDownload(bench, sim::Model::FT817, TransferTiming::Standard) &&
              benchUpload(bench, sim::Model::FT817, TransferTiming::Standard);
    for (const sim::Model model : {sim::Model::FT817, sim::Model::FT817NDUS}) {
        ok = ok && benchDownload(bench, model, TransferTiming::Fast) &&
             benchUpload(bench, model, TransferTiming::Fast);
    }
    std::filesystem::remove(bench.path);
    std::filesystem::remove_all(bench.path + ".history");
    return ok ? 0 : 1;
}
