// A channel the radio cannot tune (145.520 typed into the frequency box,
// which takes 10 Hz units, stores 146) is named by show and diff. Upload's
// refusal is tested with the simulated radio, beside the other transfers.

#include "support/program_run.h"
#include "support/temp_dir.h"

#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

constexpr const char* kNamed = "channel 12 (tag RPT1): 0.00146 MHz";

class UntunedMemories : public testing::Test {
protected:
    void SetUp() override
    {
        const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
        m_good = *buildImageFile(memory.image, memory.blockLengths);
        BlockStore store = *BlockStore::load(m_good);
        ChannelRecord twelve = ChannelRecord::forChannel(store, 11);
        setChannelActive(store, 11, true);
        twelve.setByte(0, 0xC5); // FM, tag shown
        twelve.setTag("RPT1    ");
        twelve.setRxFrequency(146);
        m_untuned = *store.toImageFile();
        ASSERT_TRUE(writeWholeFile(m_goodPath, m_good));
        ASSERT_TRUE(writeWholeFile(m_untunedPath, m_untuned));
    }

    test::TempDir m_dir;
    Bytes m_good;
    Bytes m_untuned;
    std::string m_goodPath = m_dir.file("radio.img");
    std::string m_untunedPath = m_dir.file("typed.img");
};

TEST_F(UntunedMemories, ShowAndDiffNameThem)
{
    const test::ProgramRun show = test::runProgram({"show", QString::fromStdString(m_untunedPath)});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_TRUE(has(show.out, "Frequencies the radio cannot tune (upload asks before it sends them):\n  " +
                                  std::string(kNamed) + "\n"))
        << show.out;
    const test::ProgramRun one =
        test::runProgram({"show", QString::fromStdString(m_untunedPath), "--channel", "12"});
    EXPECT_TRUE(has(one.out, "  Note:      the radio cannot tune 0.00146 MHz")) << one.out;
    const test::ProgramRun json = test::runProgram({"show", "--json", QString::fromStdString(m_untunedPath)});
    EXPECT_TRUE(has(json.out, "\"untuned\": [\"" + std::string(kNamed) + "\"]")) << json.out;
    const test::ProgramRun good = test::runProgram({"show", QString::fromStdString(m_goodPath)});
    EXPECT_FALSE(has(good.out, "cannot tune")) << good.out;

    const test::ProgramRun diff =
        test::runProgram({"diff", QString::fromStdString(m_goodPath), QString::fromStdString(m_untunedPath)});
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    EXPECT_EQ(diff.err, "ft817clone diff: " + m_untunedPath +
                            ": the radio cannot tune the frequency of 1 memory in use:\n  " + kNamed + "\n");
}

} // namespace
} // namespace ft817
