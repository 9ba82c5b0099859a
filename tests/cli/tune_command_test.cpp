// `ft817clone tune` and `capture` against the simulated radio: the exact
// commands for a repeater channel, and the radio's VFO taken into a channel.
#include "support/image_samples.h"
#include "support/program_run.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include "cat_protocol/cat_frames.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"

#include <QStringList>
#include <filesystem>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

sim::RadioOptions catRadio()
{
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Cat);
    options.pacing = true;
    return options;
}

// The sample image with channel 12 on 145.6125 MHz, minus 600 kHz, tone 88.5 Hz.
std::string writeRepeaterImage(const test::TempDir& dir)
{
    auto store = BlockStore::load(test::sampleMemoryImage());
    EXPECT_TRUE(store);
    ChannelRecord::forChannel(*store, 11).setRxFrequency(14'561'250);
    const std::string path = dir.file("radio.img");
    EXPECT_TRUE(writeWholeFile(path, *store->toImageFile()));
    return path;
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(TuneCommand, RepeaterChannelSendsExactlyItsSixCommandsInOrder)
{
    const std::vector<std::string> six{"14 56 12 50 01", "08 00 00 00 07", "09 00 00 00 09",
                                       "00 06 00 00 F9", "4A 00 00 00 0A", "08 85 08 85 0B"};
    for (const bool findRate : {false, true}) {
        SCOPED_TRACE(findRate);
        test::TempDir dir;
        test::SimFixture sim(catRadio(), dir.file("radio"));
        ASSERT_TRUE(sim.start());
        QStringList args{"tune", QString::fromStdString(writeRepeaterImage(dir)), "12", "--port",
                         QString::fromStdString(dir.file("radio"))};
        if (!findRate)
            args << "--cat-rate"
                 << "9600";
        const test::ProgramRun run = test::runProgram(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::vector<std::string> heard;
        for (const auto& command : sim.radio().catCommands())
            heard.push_back(catCommandHex(command));
        // The sync's status and frequency reads first (what went at 4800 while
        // the rate was looked for, the radio at 9600 could not make out), the
        // frequency read that confirms the channel last.
        std::vector<std::string> expected{"E7 E7 E7 E7 E7", "E7 E7 E7 E7 03"};
        expected.insert(expected.end(), six.begin(), six.end());
        expected.push_back("E7 E7 E7 E7 03");
        EXPECT_EQ(heard, expected);
        EXPECT_TRUE(has(run.out, "read back as sent")) << run.out;
        for (const std::string& command : six)
            EXPECT_TRUE(has(run.out, "sent " + command)) << run.out;
        EXPECT_EQ(sim.radio().vfoFrequency(), 14'561'250u);
        EXPECT_TRUE(sim.radio().catFaults().empty());
    }
}

TEST(TuneCommand, ChannelNotInUseOrUntunableSendsNothing)
{
    test::TempDir dir;
    test::SimFixture sim(catRadio(), dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const QString image = QString::fromStdString(writeRepeaterImage(dir));
    const QString port = QString::fromStdString(dir.file("radio"));
    const test::ProgramRun empty = test::runProgram({"tune", image, "50", "--port", port});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(has(empty.err, "channel 50 is not in use")) << empty.err;
    const test::ProgramRun untunable = test::runProgram({"tune", image, "200", "--port", port});
    EXPECT_EQ(untunable.exitCode, 1);
    EXPECT_TRUE(has(untunable.err, "outside what")) << untunable.err;
    EXPECT_EQ(test::runProgram({"tune", image, "201", "--port", port}).exitCode, 2);
    EXPECT_TRUE(sim.radio().catCommands().empty());
}

TEST(TuneCommand, RadioAnsweringLateIsNeverTakenForOneAtAnotherRate)
{
    test::TempDir dir;
    sim::RadioOptions options = catRadio();
    options.cat.answerDelay = 0.55;
    test::SimFixture sim(options, dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const test::ProgramRun run =
        test::runProgram({"tune", QString::fromStdString(writeRepeaterImage(dir)), "12", "--port",
                          QString::fromStdString(dir.file("radio"))});
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_FALSE(has(run.out, "is on the radio's VFO")) << run.out;
    EXPECT_TRUE(has(run.err, "answers CAT reads at 9600 baud only after more than 0.5 s")) << run.err;
    // Nothing but reads was sent: the radio's VFO is as it was.
    for (const auto& command : sim.radio().catCommands())
        EXPECT_TRUE(command[4] == 0xE7 || command[4] == 0x03) << catCommandHex(command);
    EXPECT_EQ(sim.radio().vfoFrequency(), options.cat.vfoFrequency);
}

// The radio keeps part of a command across the port closing: an Upload to a
// radio in normal operation leaves the four bytes of block 0 in it, and the
// next job's first command would be read shifted. Every job first brings the
// commands into step, with bytes that can only complete a read.
TEST(CatJobs, PartCommandLeftByAnUploadNeverShiftsTheNextJobsCommands)
{
    test::TempDir dir;
    test::SimFixture sim(catRadio(), dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const QString image = QString::fromStdString(writeRepeaterImage(dir));
    const QString port = QString::fromStdString(dir.file("radio"));
    const auto leavePartCommand = [&] {
        EXPECT_NE(test::runProgram({"upload", "--port", port, image}).exitCode, 0);
    };
    const std::vector<QStringList> jobs{
        {"tune", image, "12", "--port", port},
        {"capture", image, "50", "--port", port, "--out", QString::fromStdString(dir.file("taken.img"))},
        {"cat", "--port", port, "43970000"},
        {"calibration", "--port", port, QString::fromStdString(dir.file("backup.txt"))},
    };
    for (const QStringList& job : jobs) {
        SCOPED_TRACE(job.join(' ').toStdString());
        leavePartCommand();
        const test::ProgramRun run = test::runProgram(job);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(sim.radio().catFaults().empty()) << sim.radio().catFaults().front();
    }
    EXPECT_EQ(sim.radio().vfoFrequency(), 43'970'000u);
}

// The repeater image with a payload byte of block 10 (channels 11..15) changed
// after its checksum was stored.
std::string writeDamagedImage(const test::TempDir& dir)
{
    const std::string path = writeRepeaterImage(dir);
    Bytes file = *readWholeFile(path);
    file[static_cast<std::size_t>(readImageLayout(file)->ends[10] - 3)] ^= 0x10;
    EXPECT_TRUE(writeWholeFile(path, file));
    return path;
}

// Tune sends no channel of a damaged block, capture writes no fresh
// checksums over one, unless asked; nothing reaches the radio meanwhile.
TEST(TuneCommand, TuneAndCaptureRefuseAnImageWhoseChecksumDoesNotMatchUnlessAsked)
{
    test::TempDir dir;
    test::SimFixture sim(catRadio(), dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const QString image = QString::fromStdString(writeDamagedImage(dir));
    const Bytes before = *readWholeFile(image.toStdString());
    const QStringList port{"--port", QString::fromStdString(dir.file("radio"))};
    for (const QStringList& command :
         {QStringList{"tune", image, "12"}, QStringList{"capture", image, "50"}}) {
        const test::ProgramRun refused = test::runProgram(command + port);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(has(refused.err, "the stored checksum of block 10 does not match")) << refused.err;
        EXPECT_TRUE(has(refused.err, "--any-layout")) << refused.err;
    }
    EXPECT_EQ(*readWholeFile(image.toStdString()), before);
    EXPECT_TRUE(sim.radio().catCommands().empty());
    // A channel of an undamaged block, and the damaged one when asked, are sent.
    EXPECT_EQ(test::runProgram(QStringList{"tune", image, "1"} + port).exitCode, 0);
    EXPECT_EQ(test::runProgram(QStringList{"tune", image, "12", "--any-layout"} + port).exitCode, 0);
    EXPECT_EQ(test::runProgram(QStringList{"capture", image, "50", "--any-layout", "--out",
                                           QString::fromStdString(dir.file("new.img"))} +
                               port)
                  .exitCode,
              0);
}

TEST(CaptureCommand, TakesTheVfoIntoTheChannelAndKeepsTheOldFile)
{
    test::TempDir dir;
    sim::RadioOptions options = catRadio();
    options.cat.vfoFrequency = 43'970'000;
    options.cat.vfoMode = 0x01; // USB
    test::SimFixture sim(options, dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const std::string image = writeRepeaterImage(dir);
    const Result<Bytes> before = readWholeFile(image);
    ASSERT_TRUE(before);
    const test::ProgramRun run = test::runProgram({"capture", QString::fromStdString(image), "50", "--port",
                                                   QString::fromStdString(dir.file("radio"))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run.out, "channel 50 takes 439.70000 MHz USB")) << run.out;
    auto store = BlockStore::load(*readWholeFile(image));
    ASSERT_TRUE(store);
    EXPECT_TRUE(isChannelActive(*store, 49));
    EXPECT_EQ(ChannelRecordView::forChannel(*store, 49).rxFrequency(), 43'970'000u);
    EXPECT_EQ(ChannelRecordView::forChannel(*store, 49).mode(), 1);
    // The history holds the file as it was.
    const std::string history = std::string(std::getenv("XDG_DATA_HOME")) + "/ft817clone/history";
    bool kept = false;
    for (const auto& entry : std::filesystem::directory_iterator(history)) {
        const Result<Bytes> old = readWholeFile(entry.path().string());
        if (entry.path().string().ends_with("_replaced_radio.img") && old && *old == *before)
            kept = true;
    }
    EXPECT_TRUE(kept);
    // Only reads: the sync's status read and the frequency reads.
    for (const auto& command : sim.radio().catCommands())
        EXPECT_TRUE(command[4] == 0x03 || command[4] == 0xE7) << catCommandHex(command);
}

TEST(CaptureCommand, FrequencyOutsideTheRangesOrUnknownModeIsRefused)
{
    const struct {
        std::uint32_t frequency;
        std::uint8_t mode;
        const char* reason;
    } cases[] = {{6'000'000, 0x08, "outside what"}, {14'500'000, 0x05, "mode byte 0x05"}};
    for (const auto& c : cases) {
        test::TempDir dir;
        sim::RadioOptions options = catRadio();
        options.cat.vfoFrequency = c.frequency;
        options.cat.vfoMode = c.mode;
        test::SimFixture sim(options, dir.file("radio"));
        ASSERT_TRUE(sim.start());
        const std::string image = writeRepeaterImage(dir);
        const Result<Bytes> before = readWholeFile(image);
        const test::ProgramRun run = test::runProgram({"capture", QString::fromStdString(image), "12",
                                                       "--port", QString::fromStdString(dir.file("radio")),
                                                       "--out", QString::fromStdString(dir.file("new.img"))});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(has(run.err, c.reason)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("new.img")));
        EXPECT_EQ(*readWholeFile(image), *before);
    }
}

} // namespace
} // namespace ft817
