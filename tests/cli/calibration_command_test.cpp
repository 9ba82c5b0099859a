// `ft817clone calibration` against the simulated radio on a pseudo-terminal:
// the backup at each CAT rate, found by itself, a radio that stops, one that
// answers late, one that answers nothing; then show and compare.
#include "sim/cat_responder.h"
#include "support/program_run.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include "exchange/calibration_text.h"
#include "platform/file_access.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

Bytes knownEeprom()
{
    Bytes eeprom(sim::kEepromSize);
    for (std::size_t i = 0; i < eeprom.size(); ++i)
        eeprom[i] = static_cast<std::uint8_t>((i * 113 + 7) & 0xFF);
    return eeprom;
}

sim::RadioOptions catRadio(int rate)
{
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    options.pacing = true;
    options.cat.eeprom = knownEeprom();
    options.cat.rate = rate;
    return options;
}

std::string fileText(const std::string& path)
{
    const Result<Bytes> bytes = readWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CalibrationCommand, WritesThe85BytesAtEachRateFoundByItselfAndSendsOnlyReads)
{
    for (const int rate : {4800, 9600, 38400}) {
        SCOPED_TRACE(rate);
        test::TempDir dir;
        test::SimFixture sim(catRadio(rate), dir.file("radio"));
        ASSERT_TRUE(sim.start());
        const std::string out = dir.file("out.txt");
        const test::ProgramRun run =
            test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")),
                              QString::fromStdString(out)});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(has(run.out, "at " + std::to_string(rate) + " baud")) << run.out;
        const Result<CalibrationBackup> backup = readCalibrationText(fileText(out));
        ASSERT_TRUE(backup) << backup.error().message;
        const Bytes eeprom = knownEeprom();
        EXPECT_EQ(backup->bytes, Bytes(eeprom.begin(), eeprom.begin() + 85));
        // Only reads: the sync's status and frequency reads at the radio's rate
        // (what went at other rates it could not make out), and the 85 EEPROM reads.
        const auto commands = sim.radio().catCommands();
        ASSERT_EQ(commands.size(), 87u);
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const std::uint8_t expected = i == 0 ? 0xE7 : i == 1 ? 0x03 : 0xBB;
            EXPECT_EQ(commands[i][4], expected) << i;
        }
        EXPECT_TRUE(sim.radio().catFaults().empty());
        EXPECT_EQ(sim.radio().eeprom(), knownEeprom());
        // The history keeps the same text.
        const char* data = std::getenv("XDG_DATA_HOME");
        ASSERT_NE(data, nullptr);
        bool kept = false;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(data) + "/ft817clone/history")) {
            if (entry.path().string().ends_with("_calibration.txt") &&
                fileText(entry.path().string()) == fileText(out))
                kept = true;
        }
        EXPECT_TRUE(kept);
    }
}

TEST(CalibrationCommand, SlowAnswersAreWaitedFor)
{
    test::TempDir dir;
    sim::RadioOptions options = catRadio(9600);
    options.cat.answerDelay = 0.2;
    test::SimFixture sim(options, dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const test::ProgramRun run =
        test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")), "--cat-rate",
                          "9600", QString::fromStdString(dir.file("out.txt"))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(readCalibrationText(fileText(dir.file("out.txt"))));
}

TEST(CalibrationCommand, RadioThatStopsOrNeverAnswersLeavesNoFile)
{
    const struct {
        int silentAfter;
        const char* says;
    } cases[] = {
        {2 + 30, "stopped answering at EEPROM 0x001E (read 31 of 85): no backup was written"},
        {0, "no answer to CAT reads at 4800, 9600 or 38400 baud: is the radio on, in normal operation "
            "(not clone mode), and the cable in the ACC socket?"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        sim::RadioOptions options = catRadio(9600);
        options.cat.silentAfterReads = c.silentAfter;
        test::SimFixture sim(options, dir.file("radio"));
        ASSERT_TRUE(sim.start());
        const test::ProgramRun run =
            test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")),
                              QString::fromStdString(dir.file("out.txt"))});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(has(run.err, c.says)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    }
}

// Nothing is kept in the history folder (the tests' own) by a backup that failed.
bool historyHoldsABackup()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::filesystem::path folder = std::string(data ? data : "") + "/ft817clone/history";
    if (!data || !std::filesystem::exists(folder))
        return false;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().string().ends_with("_calibration.txt"))
            return true;
    }
    return false;
}

TEST(CalibrationCommand, RadioAnsweringLateGivesNoBackupRatherThanAShiftedOne)
{
    test::TempDir dir;
    sim::RadioOptions options = catRadio(9600);
    options.cat.answerDelay = 0.7;
    test::SimFixture sim(options, dir.file("radio"));
    ASSERT_TRUE(sim.start());
    const bool keptBefore = historyHoldsABackup();
    const test::ProgramRun run =
        test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")),
                          QString::fromStdString(dir.file("out.txt"))});
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_TRUE(has(run.err, "answers CAT reads at 9600 baud only after more than 0.5 s")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_EQ(historyHoldsABackup(), keptBefore);
}

TEST(CalibrationCommand, EchoingOrNoisyLineIsNoRadio)
{
    for (const sim::CatLine line : {sim::CatLine::Echo, sim::CatLine::Noise}) {
        SCOPED_TRACE(static_cast<int>(line));
        test::TempDir dir;
        sim::RadioOptions options = catRadio(9600);
        options.cat.line = line;
        test::SimFixture sim(options, dir.file("radio"));
        ASSERT_TRUE(sim.start());
        const test::ProgramRun run =
            test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")),
                              QString::fromStdString(dir.file("out.txt"))});
        EXPECT_EQ(run.exitCode, 1) << run.out;
        EXPECT_TRUE(has(run.err, line == sim::CatLine::Echo ? "gives back the tool's own bytes (an echo)"
                                                            : "is not a radio's answer"))
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    }
}

TEST(CalibrationCommand, ShowAndCompareReadBackups)
{
    test::TempDir dir;
    Bytes bytes(85, 0x40);
    const std::string a = calibrationText(bytes, "2026-12-09 10:00:00");
    bytes[8] = 0x41;
    const std::string b = calibrationText(bytes, "2026-12-09 11:00:00");
    ASSERT_TRUE(writeWholeFile(dir.file("a.txt"), Bytes(a.begin(), a.end())));
    ASSERT_TRUE(writeWholeFile(dir.file("b.txt"), Bytes(b.begin(), b.end())));
    const QString fa = QString::fromStdString(dir.file("a.txt"));
    const QString fb = QString::fromStdString(dir.file("b.txt"));

    const test::ProgramRun show = test::runProgram({"calibration", "show", fa});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_TRUE(has(show.out, "0x0008  0x40   64  HF2RXG")) << show.out;
    const test::ProgramRun json = test::runProgram({"calibration", "show", fa, "--json"});
    EXPECT_TRUE(has(json.out, "{\"address\": 8, \"hex\": \"40\", \"value\": 64, \"name\": \"HF2RXG"))
        << json.out;

    const test::ProgramRun same = test::runProgram({"calibration", "compare", fa, fa});
    EXPECT_EQ(same.exitCode, 0);
    const test::ProgramRun differ = test::runProgram({"calibration", "compare", fa, fb});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_TRUE(has(differ.out, "1 byte differs (A -> B):\n0x0008  0x40  64 -> 0x41  65  HF2RXG"))
        << differ.out;
    const test::ProgramRun differJson = test::runProgram({"calibration", "compare", fa, fb, "--json"});
    EXPECT_TRUE(has(differJson.out, "{\"differences\": [{\"address\": 8, \"a\": 64, \"b\": 65"))
        << differJson.out;

    const test::ProgramRun notBackup =
        test::runProgram({"calibration", "show", QString::fromStdString(dir.file("none"))});
    EXPECT_EQ(notBackup.exitCode, 1);
}

// Where the backup would be kept is checked before the radio is asked anything:
// a history folder that cannot be made costs no read.
TEST(CalibrationCommand, HistoryFolderThatCannotBeMadeIsRefusedBeforeTheFirstRead)
{
    test::TempDir dir;
    test::SimFixture sim(catRadio(9600), dir.file("radio"));
    ASSERT_TRUE(sim.start());
    // The history folder would be made inside a file: it never can be.
    ASSERT_TRUE(writeWholeFile(dir.file("data"), Bytes{'x'}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", QString::fromStdString(dir.file("data")));
    const test::ProgramRun run =
        test::runProgram({"calibration", "--port", QString::fromStdString(dir.file("radio")), "--cat-rate",
                          "9600", QString::fromStdString(dir.file("out.txt"))},
                         environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(has(run.err, "cannot keep the backup in the history folder")) << run.err;
    EXPECT_TRUE(sim.radio().catCommands().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
}

// A backup's header is text from a file: show prints it escaped, its JSON
// stays valid UTF-8, and a line that is not a byte line is refused by number.
TEST(CalibrationCommand, ShowEscapesTheHeaderAndRefusesAMalformedLine)
{
    test::TempDir dir;
    std::string text = calibrationText(Bytes(85, 0x40), "2026-12-09 10:00:00");
    text.insert(text.find('\n'), "\x1B[2J\xFF");
    ASSERT_TRUE(writeWholeFile(dir.file("a.txt"), Bytes(text.begin(), text.end())));
    const QString file = QString::fromStdString(dir.file("a.txt"));
    const test::ProgramRun show = test::runProgram({"calibration", "show", file});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_TRUE(has(show.out, "radio version bytes 40 40\\x1B[2J\\xFF\n")) << show.out;
    const test::ProgramRun json = test::runProgram({"calibration", "show", file, "--json"});
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(has(json.out, "radio version bytes 40 40\\u001b[2J\\u00ff\", ")) << json.out;
    EXPECT_TRUE(QString::fromUtf8(json.out.data(), static_cast<qsizetype>(json.out.size())).toUtf8() ==
                QByteArray::fromStdString(json.out));

    std::string malformed = calibrationText(Bytes(85, 0x40), "2026-12-09 10:00:00");
    malformed.replace(malformed.find("0x0001"), 6, "0x-001");
    ASSERT_TRUE(writeWholeFile(dir.file("b.txt"), Bytes(malformed.begin(), malformed.end())));
    for (const QStringList& args :
         {QStringList{"show", QString::fromStdString(dir.file("b.txt"))},
          QStringList{"compare", file, QString::fromStdString(dir.file("b.txt"))}}) {
        const test::ProgramRun refused = test::runProgram(QStringList{"calibration"} + args);
        // compare says 1 for backups that differ, so one it cannot read is 2.
        EXPECT_EQ(refused.exitCode, args[0] == "show" ? 1 : 2);
        EXPECT_TRUE(
            has(refused.err, "b.txt: not a calibration backup: line 3: the line must begin with the address"))
            << refused.err;
        EXPECT_TRUE(refused.out.empty()) << refused.out;
    }
}

} // namespace
} // namespace ft817
