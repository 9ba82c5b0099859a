// `ft817clone show` on the simulated radio's memory lists exactly the
// channels the radio holds, decoded field by field.

#include "image/image_file.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

test::ProgramRun show(const QStringList& arguments)
{
    return test::runProgram(QStringList{"show"} + arguments);
}

TEST(ShowCommand, JsonListsExactlyTheSimulatedRadiosChannels)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const auto file = buildImageFile(memory.image, memory.blockLengths);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), *file).ok());

    const test::ProgramRun run = show({QString::fromStdString(dir.file("radio.bin")), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error{};
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(json["blocks"].toInt(), 50);
    EXPECT_EQ(json["image_bytes"].toInt(), 6609);
    EXPECT_EQ(json["vfo"].toString(), "A");
    EXPECT_EQ(json["current_channel"].toInt(), sim::kDefaultCurrentChannel + 1);

    const QJsonArray channels = json["channels"].toArray();
    ASSERT_EQ(channels.size(), 200);
    std::vector<int> active;
    for (const QJsonValue& value : channels)
        if (value.toObject()["active"].toBool())
            active.push_back(value.toObject()["channel"].toInt());
    std::vector<int> expected;
    for (const sim::DefaultChannel& channel : sim::defaultChannels())
        expected.push_back(channel.number + 1);
    EXPECT_EQ(active, expected);

    static const char* shifts[] = {"simplex", "minus", "plus", "split"};
    for (const sim::DefaultChannel& channel : sim::defaultChannels()) {
        const QJsonObject shown = channels[channel.number].toObject();
        SCOPED_TRACE(channel.number + 1);
        EXPECT_EQ(shown["rx"].toDouble(), channel.frequency);
        EXPECT_EQ(shown["shift"].toString(), shifts[channel.shiftByte >> 6]);
        EXPECT_EQ(shown["ctcss"].toInt(), channel.tone);
        EXPECT_EQ(shown["dcs"].toInt(), channel.dcs);
        EXPECT_EQ(shown["tag"].toString().trimmed(), QString(channel.tag).trimmed());
    }
}

TEST(ShowCommand, RefusedFileSaysWhyAndFails)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("short.bin"), Bytes(10, 0)).ok());
    const test::ProgramRun refused = show({QString::fromStdString(dir.file("short.bin"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("not an image file"), std::string::npos) << refused.err;
    EXPECT_EQ(show({}).exitCode, 2);
}

}  // namespace
}  // namespace ft817
