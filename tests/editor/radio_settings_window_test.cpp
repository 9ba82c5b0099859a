// The radio settings window beside a real editor, offscreen: the button that
// opens it, one control per setting of the model, changes through the real
// widgets with their undo and redo, and values the radio would not hold.

#include "editor/edit_history.h"
#include "editor/editor_window.h"
#include "editor/radio_settings_window.h"
#include "image/radio_settings.h"
#include "platform/file_access.h"
#include "support/settings_samples.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

class RadioSettingsWindowTest : public ::testing::Test {
protected:
    void open(const BlockStore& memory)
    {
        const std::string path = folder.file("radio.img");
        ASSERT_TRUE(writeWholeFile(path, *memory.toImageFile()));
        editor.setWarningReporter([](const QString&) {});
        ASSERT_TRUE(editor.edit(QString::fromStdString(path)));
        editor.present();
        QTest::mouseClick(editor.findChild<QPushButton*>("Settings"), Qt::LeftButton);
        window = editor.settingsWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
    }
    // The setting's control, on its tab brought to the front.
    template <class T> T* control(const char* key)
    {
        window->findChild<QTabWidget*>("SettingsTabs")
            ->setCurrentIndex(static_cast<int>(findSetting(key)->group));
        return window->findChild<T*>(key);
    }
    std::uint8_t byte(int block, int index) { return editor.state().store.byte(index, block); }
    // The setting's row is shown on its tab.
    bool rowShown(const char* key)
    {
        QWidget* widget = window->findChild<QWidget*>(key);
        return widget && !widget->isHidden();
    }

    test::TempDir folder;
    EditorWindow editor;
    RadioSettingsWindow* window = nullptr;
};

TEST_F(RadioSettingsWindowTest, SettingsButtonSitsLastBesideChannelsAndOpensOneControlPerSettingOnTheScreen)
{
    open(test::memoryWithKnownSettings(sim::Model::FT817NDUS));
    auto* settings = editor.findChild<QPushButton*>("Settings");
    EXPECT_EQ(settings->geometry(), QRect(312, 272, 97, 25));
    EXPECT_EQ(settings->text(), "Settings…");
    EXPECT_EQ(editor.findChild<QPushButton*>("Channels")->nextInFocusChain(), settings);
    EXPECT_EQ(window->windowTitle(), "Radio settings");
    EXPECT_EQ(window->findChild<QComboBox*>("apo_time")->currentText(), "3h");
    EXPECT_TRUE(control<QCheckBox>("emergency")->isChecked());
    EXPECT_EQ(control<QSpinBox>("dig_shift")->value(), -100);
    EXPECT_EQ(control<QSpinBox>("lcd_contrast")->minimum(), 1);
    EXPECT_EQ(control<QLineEdit>("id_callsign")->text(), "KM6NAP");
    for (const RadioSetting& setting : radioSettings())
        EXPECT_TRUE(rowShown(std::string(setting.key).c_str())) << setting.key;
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << screen.width() << "x" << screen.height();
    // FT817_SCREENSHOT=FILE keeps a picture of the window (run under a real display of the size to check).
    window->findChild<QTabWidget*>("SettingsTabs")->setCurrentIndex(0);
    EXPECT_FALSE(window->grab().isNull());
    if (const QString file = qEnvironmentVariable("FT817_SCREENSHOT"); !file.isEmpty()) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QTest::qWait(300);
        EXPECT_TRUE(window->screen()->grabWindow(0).save(file));
    }
    QTest::mouseClick(editor.findChild<QPushButton*>("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(RadioSettingsWindowTest, ComboChangeIsOneUndoStepAndTheWindowFollowsUndoAndRedo)
{
    open(test::memoryWithKnownSettings(sim::Model::FT818));
    EXPECT_FALSE(rowShown("emergency"));
    const BlockStore before = editor.state().store;
    auto* apo = control<QComboBox>("apo_time");
    apo->setFocus();
    QTest::keyClick(apo, Qt::Key_Down);
    EXPECT_EQ(byte(1, 17), 0x54); // 3h -> 4h in bits 2-0 only
    BlockStore expected = before;
    expected.setByte(17, 1, 0x54);
    EXPECT_EQ(editor.state().store, expected);
    QTest::mouseClick(window->findChild<QPushButton*>("Undo"), Qt::LeftButton);
    EXPECT_EQ(editor.state().store, before);
    EXPECT_EQ(apo->currentText(), "3h");
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(apo->currentText(), "4h");
    EXPECT_EQ(editor.history().stack().count(), 1);

    // A check box and a spin box, each its own step.
    QTest::mouseClick(control<QCheckBox>("keyer"), Qt::LeftButton);
    EXPECT_EQ(byte(1, 4), 0xB6);
    auto* delay = control<QSpinBox>("cw_delay");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "250");
    QTest::keyClick(delay, Qt::Key_Return);
    EXPECT_EQ(byte(1, 12), 250);
    EXPECT_EQ(editor.history().stack().count(), 3);
}

TEST_F(RadioSettingsWindowTest, CallsignTakesItsCharactersAsCapitalsAndRefusesOthersInWords)
{
    open(test::memoryWithKnownSettings(sim::Model::FT817));
    auto* callsign = control<QLineEdit>("id_callsign");
    auto* message = window->findChild<QLabel*>("SettingsMessage");
    callsign->setFocus();
    callsign->selectAll();
    QTest::keyClicks(callsign, "k6abc/p");
    // The "/" stays in sight, the window says why, and nothing is stored.
    EXPECT_EQ(callsign->text(), "K6ABC/P");
    EXPECT_FALSE(message->isHidden());
    EXPECT_NE(message->text().indexOf("up to 7 characters of 0-9, A-Z and space"), -1);
    EXPECT_NE(message->text().indexOf("the radio cannot show \"/\""), -1) << message->text().toStdString();
    QTest::keyClick(callsign, Qt::Key_Return);
    EXPECT_EQ(editor.history().stack().count(), 0);
    EXPECT_EQ(byte(48, 79), 0x14); // still KM6NAP

    callsign->selectAll();
    QTest::keyClicks(callsign, "ab1 cd");
    EXPECT_TRUE(message->isHidden());
    EXPECT_EQ(callsign->text(), "AB1 CD");
    QTest::keyClick(callsign, Qt::Key_Return);
    const std::vector<std::uint8_t> codes = {0x0A, 0x0B, 0x01, 0x24, 0x0C, 0x0D, 0x24};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(byte(48, 79 + k), codes[static_cast<std::size_t>(k)]) << k;
}

TEST_F(RadioSettingsWindowTest, LabelsShowTheirAmpersandAndTooltipsSayWhatASettingDoes)
{
    open(test::memoryWithKnownSettings(sim::Model::FT817));
    QWidget* dial = control<QComboBox>("am_fm_dial");
    QLabel* label = nullptr;
    for (QLabel* candidate : window->findChildren<QLabel*>())
        if (candidate->buddy() == dial)
            label = candidate;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "AM&&FM dial"); // shown as "AM&FM dial", no shortcut on F
    EXPECT_EQ(control<QComboBox>("cat_rate")->toolTip(),
              "Sets the serial speed of the CAT socket; the computer must use the same speed. Menu 14.");
    EXPECT_EQ(control<QLineEdit>("id_callsign")->toolTip().indexOf("block"), -1);
}

TEST_F(RadioSettingsWindowTest, ValuesTheRadioWouldNotHoldAreShownAndKeptUntilChanged)
{
    BlockStore memory = test::memoryWithKnownSettings(sim::Model::FT817ND);
    memory.setByte(17, 1, 0x57); // APO time code 7
    memory.setByte(20, 1, 0x7F); // AM MIC gain 127
    open(memory);
    auto* apo = control<QComboBox>("apo_time");
    EXPECT_EQ(apo->currentText(), "code 7 (unused)");
    auto* gain = control<QSpinBox>("am_mic_gain");
    EXPECT_EQ(gain->value(), 127);
    EXPECT_EQ(gain->suffix(), " (out of range)");
    EXPECT_EQ(editor.history().stack().count(), 0);
    gain->setFocus();
    QTest::keyClick(gain, Qt::Key_Down); // back into the range
    EXPECT_EQ(byte(1, 20), 100);
    EXPECT_EQ(gain->suffix(), "");
    EXPECT_EQ(byte(1, 17), 0x57);
    apo->setCurrentIndex(2);
    EXPECT_EQ(byte(1, 17), 0x52);
    EXPECT_EQ(apo->count(), 7);
}

} // namespace
} // namespace ft817
