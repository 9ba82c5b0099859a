// Times a full download and a full upload of an FT-817's memory (6609 bytes,
// 50 blocks) through the real serial port code, against the simulated radio
// pacing its line at 9600 baud. For each it prints the wall time, the floor
// that the line and the protocol's own waits impose, their ratio, and the
// processor time of the thread that ran the transfer.
//
// Usage: ft817_transfer_bench [--no-pacing]

#include "clone/download.h"
#include "clone/upload.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
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

constexpr double kByteSeconds = 11.0 / 9600;  // 8 data bits, 2 stop bits, 1 start bit

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

template <class Transfer>
Measure measure(Transfer transfer)
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

void print(const char* name, const Measure& m, double floor, int blocks)
{
    std::printf("%-8s wall %8.3f s   floor %8.3f s   ratio %.4f   over floor %6.2f ms a block\n", name, m.wall,
                floor, m.wall / floor, (m.wall - floor) * 1000.0 / blocks);
    std::printf("%-8s engine thread CPU %7.3f s = %5.2f %% of wall   (whole process with radio thread %.3f s = "
                "%.2f %%)\n",
                "", m.engineCpu, 100.0 * m.engineCpu / m.wall, m.processCpu, 100.0 * m.processCpu / m.wall);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool pacing = !(argc > 1 && std::string(argv[1]) == "--no-pacing");
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const int blocks = static_cast<int>(memory.blockLengths.size());
    const double line = pacing ? static_cast<double>(memory.image.size()) * kByteSeconds : 0.0;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("ft817-transfer-bench-" + std::to_string(::getpid()) + ".bin"))
            .string();
    std::printf("FT-817 image: %zu bytes in %d blocks, %s line\n", memory.image.size(), blocks,
                pacing ? "9600-baud paced" : "unpaced");

    // Download: the radio starts startDelay after the port opens, and each
    // next block blockDelay after the acknowledgement.
    sim::RadioOptions sending;
    sending.mode = sim::Mode::Send;
    sending.pacing = pacing;
    sim::SimulatedRadio sender(sending);
    if (Status started = sender.start(); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().full().c_str());
        return 1;
    }
    TransferReport report;
    SilentSink sink;
    const Measure down = measure([&] {
        QtSerialPort port(sender.devicePath());
        SteadyClock clock;
        report = download(port, clock, path, sink, ImageHistory(path + ".history"));
    });
    if (!report.complete) {
        std::fprintf(stderr, "download failed: %s\n", report.reason.c_str());
        return 1;
    }
    const double downloadFloor =
        sending.startDelay + line + blocks * 0.25 + (blocks - 1) * sending.blockDelay + 2.0;
    print("download", down, downloadFloor, blocks);
    std::printf("%-8s floor = radio start %.2f s + line %.3f s + %d x 0.25 s quiet + %d x %.2f s radio's next "
                "block + 2 s end\n",
                "", sending.startDelay, line, blocks, blocks - 1, sending.blockDelay);
    sender.stop();

    // Upload: the radio answers ackDelay after each block's last byte.
    sim::RadioOptions receiving;
    receiving.mode = sim::Mode::Receive;
    receiving.pacing = pacing;
    sim::SimulatedRadio receiver(receiving);
    if (Status started = receiver.start(); !started) {
        std::fprintf(stderr, "cannot start the simulated radio: %s\n", started.error().full().c_str());
        return 1;
    }
    const Measure up = measure([&] {
        QtSerialPort port(receiver.devicePath());
        SteadyClock clock;
        report = upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly);
    });
    std::filesystem::remove(path);
    std::filesystem::remove_all(path + ".history");
    if (!report.complete) {
        std::fprintf(stderr, "upload failed: %s\n", report.reason.c_str());
        return 1;
    }
    receiver.waitForTransfers(1, 5.0);
    const bool identical = receiver.receivedImage() == memory.image;
    const double uploadFloor = line + blocks * (receiving.ackDelay + 0.25);
    print("upload", up, uploadFloor, blocks);
    std::printf("%-8s floor = line %.3f s + %d x (%.2f s radio's answer + 0.25 s pause); radio received %s\n", "",
                line, blocks, receiving.ackDelay, identical ? "every byte as sent" : "DIFFERENT BYTES");
    return identical ? 0 : 1;
}
