// `ft817clone sheet` on real files in a temporary folder: the PDF's text
// holds every channel in use with its frequency, and it renders.

#include "command_output.h"
#include "editing/channel_fill.h"
#include "image/block_store.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/program_run.h"
#include "support/temp_dir.h"
#include "text/text_format.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

namespace ft817 {
namespace {

using test::CommandOutput;

Bytes simulatedImageFile()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
    return *buildImageFile(memory.image, memory.blockLengths);
}

// The radio's memory with channels 1..count in use, 145.000, 145.0125, ... MHz.
Bytes imageWithChannels(int count)
{
    BlockStore store = *BlockStore::load(simulatedImageFile());
    std::vector<int> channels(static_cast<std::size_t>(count));
    std::iota(channels.begin(), channels.end(), 0);
    EXPECT_TRUE(fillChannels(store, channels, 14500000, 1250).ok());
    return *store.toImageFile();
}

#ifndef _WIN32
// The text of pages first..last of a PDF as pdftotext reads it (poppler-utils, which scripts/install-deps
// installs).
std::string pdfText(const std::string& pdf, int first = 0, int last = 0)
{
    QStringList arguments = {"-layout"};
    if (first > 0)
        arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
    arguments << QString::fromStdString(pdf) << "-";
    QProcess process;
    process.start("pdftotext", arguments);
    EXPECT_TRUE(process.waitForFinished(30000))
        << "pdftotext did not run: " << process.errorString().toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}
#endif

class SheetCommand : public testing::Test {
protected:
    test::TempDir m_dir;
    std::string m_image = m_dir.file("radio.bin");
    std::string m_pdf = m_dir.file("radio-sheet.pdf");
};

// Run as a user runs it, on Linux with no display and no platform chosen.
TEST_F(SheetCommand, WritesEveryChannelInUseWithItsFrequencyAsTextWithoutADisplay)
{
    ASSERT_TRUE(writeWholeFile(m_image, simulatedImageFile()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifndef _WIN32
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
#endif
    const test::ProgramRun run = test::runProgram(
        {"sheet", QString::fromStdString(m_image), QString::fromStdString(m_pdf), "--paper", "letter"},
        environment);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("wrote the sheet of 13 channels and "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(1 page, Letter"), std::string::npos) << run.out;
    const auto pdf = readWholeFile(m_pdf);
    ASSERT_TRUE(pdf);
    ASSERT_GT(pdf->size(), 4u);
    EXPECT_EQ(std::string(pdf->begin(), pdf->begin() + 4), "%PDF");
#ifndef _WIN32
    const std::string text = pdfText(m_pdf);
    EXPECT_NE(text.find("FT-817ND channel sheet"), std::string::npos) << text;
    EXPECT_NE(text.find("File: radio.bin"), std::string::npos) << text;
    for (const sim::DefaultChannel& channel : sim::defaultChannels()) {
        const std::string line = std::to_string(channel.number + 1) + " ";
        const std::size_t at = text.find("\n" + line);
        ASSERT_NE(at, std::string::npos) << "channel " << channel.number + 1 << " missing:\n" << text;
        const std::string row = text.substr(at + 1, text.find('\n', at + 1) - at - 1);
        EXPECT_NE(row.find(megahertzText(channel.frequency)), std::string::npos) << row;
    }
    EXPECT_NE(text.find("Tone 88.5 Hz"), std::string::npos);
    EXPECT_NE(text.find("-0.60000"), std::string::npos);
    EXPECT_NE(text.find("HOME 144 MHz"), std::string::npos);
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos);

    // It renders: poppler draws the page as an image.
    QProcess render;
    render.start("pdftoppm", {"-png", "-r", "40", "-f", "1", "-l", "1", QString::fromStdString(m_pdf),
                              QString::fromStdString(m_dir.file("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("page-1.png")));
#endif
}

TEST_F(SheetCommand, FiftyChannelsFitTheFirstPageOfA4AndLetter)
{
    ASSERT_TRUE(writeWholeFile(m_image, imageWithChannels(50)));
    for (const char* paper : {"a4", "letter"}) {
        SCOPED_TRACE(paper);
        const CommandOutput result = test::runCommand(runSheetCommand, {m_image, m_pdf, "--paper", paper});
        ASSERT_EQ(result.code, 0) << result.err;
#ifndef _WIN32
        const std::string first = pdfText(m_pdf, 1, 1);
        for (int channel = 0; channel < 50; ++channel)
            EXPECT_NE(first.find(megahertzText(14500000 + 1250 * static_cast<std::uint32_t>(channel))),
                      std::string::npos)
                << "channel " << channel + 1;
#endif
    }
}

TEST_F(SheetCommand, RefusesAnUnreadableImageAndAnUnknownPaper)
{
    ASSERT_TRUE(writeWholeFile(m_image, Bytes{1, 2, 3}));
    const CommandOutput unreadable = test::runCommand(runSheetCommand, {m_image, m_pdf});
    EXPECT_EQ(unreadable.code, 1);
    EXPECT_NE(unreadable.err.find("ft817clone sheet: " + m_image), std::string::npos) << unreadable.err;
    EXPECT_FALSE(std::filesystem::exists(m_pdf));

    ASSERT_TRUE(writeWholeFile(m_image, simulatedImageFile()));
    const CommandOutput paper = test::runCommand(runSheetCommand, {m_image, m_pdf, "--paper", "a5"});
    EXPECT_EQ(paper.code, 2);
    EXPECT_NE(paper.err.find("a4 or letter"), std::string::npos) << paper.err;
    EXPECT_EQ(test::runCommand(runSheetCommand, {m_image}).code, 2);
    EXPECT_EQ(test::runCommand(runSheetCommand, {m_image, m_image}).code, 1);
    EXPECT_FALSE(std::filesystem::exists(m_pdf));
}

#ifndef _WIN32
// ft817clone alone, without the windows' program beside it or installed: the
// sheet says what it needs, in its own name, and writes nothing.
TEST_F(SheetCommand, SaysWhatItNeedsWhereTheWindowsProgramIsMissing)
{
    ASSERT_TRUE(writeWholeFile(m_image, simulatedImageFile()));
    const std::string alone = m_dir.file("ft817clone");
    std::filesystem::copy_file(test::programPath().toStdString(), alone);
    QProcess process;
    process.start(QString::fromStdString(alone),
                  {"sheet", QString::fromStdString(m_image), QString::fromStdString(m_pdf)});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_EQ(err.rfind("ft817clone sheet: needs ft817clone-windows, which does not start: ", 0), 0u) << err;
    EXPECT_FALSE(std::filesystem::exists(m_pdf));
}
#endif

} // namespace
} // namespace ft817
