// "Tune radio" and "Take from radio" in the channel list, through the real
// widgets and the real serial code against the simulated radio.
#include "cat_protocol/cat_frames.h"
#include "editor/channel_list_window.h"
#include "editor/channel_radio.h"
#include "editor/edit_history.h"
#include "editor/editor_window.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
#include "support/image_samples.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

QAction* action(QWidget& window, const char* name)
{
    return window.findChild<QAction*>(name);
}

class ChannelListRadioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        options = test::fastRadioOptions(sim::Mode::Cat);
        options.pacing = true;
        options.cat.vfoFrequency = 43'970'000;
        options.cat.vfoMode = 0x01; // USB
        sim = std::make_unique<test::SimFixture>(options);
        ASSERT_TRUE(sim->start());
        auto store = BlockStore::load(test::sampleMemoryImage());
        ASSERT_TRUE(store);
        ChannelRecord::forChannel(*store, 11).setRxFrequency(14'561'250);
        path = folder.file("radio.img");
        ASSERT_TRUE(writeWholeFile(path, *store->toImageFile()));
        editor.setWarningReporter([](const QString&) {});
        editor.setRadio(qtSerialDevice(sim->radio().devicePath()));
        ASSERT_TRUE(editor.edit(QString::fromStdString(path)));
        editor.present();
        QTest::mouseClick(editor.findChild<QPushButton*>("Channels"), Qt::LeftButton);
        list = editor.channelList();
        ASSERT_NE(list, nullptr);
        radio = list->findChild<ChannelRadio*>();
        ASSERT_NE(radio, nullptr);
    }

    sim::RadioOptions options;
    std::unique_ptr<test::SimFixture> sim;
    test::TempDir folder;
    std::string path;
    EditorWindow editor;
    ChannelListWindow* list = nullptr;
    ChannelRadio* radio = nullptr;
};

TEST_F(ChannelListRadioTest, TuneRadioSendsTheSelectedChannelsCommands)
{
    QAction* tune = action(*list, "TuneRadio");
    ASSERT_NE(tune, nullptr);
    EXPECT_EQ(tune->text(), "Tune radio");
    EXPECT_EQ(tune->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(list->findChild<QToolBar*>()->actions().contains(tune));
    list->selectChannels({11});
    QSignalSpy ended(radio, &ChannelRadio::tuneEnded);
    tune->trigger();
    EXPECT_FALSE(tune->isEnabled()); // one job at a time
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_TRUE(ended.at(0).at(0).toBool()) << ended.at(0).at(1).toString().toStdString();
    std::vector<std::string> heard;
    for (const auto& command : sim->radio().catCommands())
        heard.push_back(catCommandHex(command));
    // The sync's status and frequency reads, the channel, the frequency read that confirms it.
    const std::vector<std::string> expected{"E7 E7 E7 E7 E7", "E7 E7 E7 E7 03", "14 56 12 50 01",
                                            "08 00 00 00 07", "09 00 00 00 09", "00 06 00 00 F9",
                                            "4A 00 00 00 0A", "08 85 08 85 0B", "E7 E7 E7 E7 03"};
    EXPECT_EQ(heard, expected);
    EXPECT_TRUE(tune->isEnabled());
    EXPECT_TRUE(list->statusText().startsWith("Sent to the radio's VFO: 14 56 12 50 01"))
        << list->statusText().toStdString();
}

TEST_F(ChannelListRadioTest, TakeFromRadioIsOneUndoStepAndKeepsTheOtherFields)
{
    QAction* take = action(*list, "TakeFromRadio");
    ASSERT_NE(take, nullptr);
    const auto before = ChannelRecordView::forChannel(editor.state().store, 11).bytes();
    const int steps = editor.history().stack().count();
    list->selectChannels({11});
    QSignalSpy ended(radio, &ChannelRadio::readEnded);
    take->trigger();
    ASSERT_TRUE(ended.wait(20000));
    const ChannelRecordView taken = ChannelRecordView::forChannel(editor.state().store, 11);
    EXPECT_EQ(taken.rxFrequency(), 43'970'000u);
    EXPECT_EQ(taken.mode(), 1);
    // Byte 1 takes the band code of 439.7 MHz (5) beside the shift it had.
    EXPECT_EQ(taken.byte(1), (before[1] & 0xF8) | 5);
    for (int k = 2; k < kRecordSize; ++k) {
        if (k < 10 || k > 13) {
            EXPECT_EQ(taken.byte(k), before[static_cast<std::size_t>(k)]) << k;
        }
    }
    EXPECT_EQ(editor.history().stack().count(), steps + 1);
    editor.history().stack().undo();
    EXPECT_EQ(ChannelRecordView::forChannel(editor.state().store, 11).bytes(), before);
}

TEST_F(ChannelListRadioTest, GreyedWhileTheMainWindowsPortIsBusy)
{
    editor.setRadioBusy(true);
    EXPECT_FALSE(action(*list, "TuneRadio")->isEnabled());
    EXPECT_FALSE(action(*list, "TakeFromRadio")->isEnabled());
    editor.setRadioBusy(false);
    EXPECT_TRUE(action(*list, "TuneRadio")->isEnabled());
}

} // namespace
} // namespace ft817
