// "Back up calibration…" from the main window's right-click menu against the
// simulated radio: progress on a worker thread, then the table and "Save as…".
#include "app/calibration_dialog.h"
#include "app/main_window.h"

#include "exchange/calibration_text.h"
#include "platform/qt_serial_port.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

sim::RadioOptions catRadio()
{
    sim::RadioOptions options = test::fastRadioOptions(sim::Mode::Auto);
    options.pacing = true;
    options.cat.rate = 38400;
    return options;
}

QAction* backUpItem(MainWindow& window)
{
    for (QAction* action : window.actions()) {
        if (action->objectName() == "BackUpCalibration")
            return action;
    }
    return nullptr;
}

TEST(CalibrationDialog, BacksUpShowsTheTableAndSavesWhileTransfersWait)
{
    test::TempDir dir;
    test::SimFixture radio(catRadio());
    ASSERT_TRUE(radio.start());
    MainWindow window(qtSerialDevice(radio.radio().devicePath()));
    window.show();
    QAction* item = backUpItem(window);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Back up calibration…");
    item->trigger();
    auto* dialog = window.findChild<CalibrationDialog*>("CalibrationBackup");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(window.findChild<QPushButton*>("Command1")->isEnabled());
    EXPECT_FALSE(item->isEnabled());
    QSignalSpy finished(dialog, &CalibrationDialog::finished);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());

    EXPECT_EQ(dialog->findChild<QProgressBar*>("CalibrationProgress")->value(), 85);
    auto* table = dialog->findChild<QTableWidget*>("CalibrationTable");
    ASSERT_EQ(table->rowCount(), 85);
    const Bytes eeprom = radio.radio().eeprom();
    EXPECT_EQ(table->item(7, 0)->text(), "0x0007");
    EXPECT_EQ(table->item(7, 2)->text(), QString::number(eeprom[7]));
    EXPECT_TRUE(table->item(7, 3)->text().startsWith("HF1RXG"));
    EXPECT_TRUE(dialog->findChild<QPushButton*>("CalibrationSaveAs")->isEnabled());
    ASSERT_TRUE(dialog->saveTo(dir.file("saved.txt")));
    const Result<Bytes> saved = readWholeFile(dir.file("saved.txt"));
    ASSERT_TRUE(saved);
    const auto backup = readCalibrationText(std::string(saved->begin(), saved->end()));
    ASSERT_TRUE(backup);
    EXPECT_EQ(backup->bytes, Bytes(eeprom.begin(), eeprom.begin() + 85));
    EXPECT_TRUE(window.findChild<QPushButton*>("Command1")->isEnabled());
    // Only reads: the sync's status and frequency reads, the EEPROM reads.
    for (const auto& command : radio.radio().catCommands())
        EXPECT_TRUE(command[4] == 0xE7 || command[4] == 0x03 || command[4] == 0xBB);
}

TEST(CalibrationDialog, RadioThatSaysNothingLeavesNothingToSave)
{
    sim::RadioOptions options = catRadio();
    options.cat.silentAfterReads = 0;
    test::SimFixture radio(options);
    ASSERT_TRUE(radio.start());
    CalibrationDialog dialog(qtSerialDevice(radio.radio().devicePath()));
    QSignalSpy finished(&dialog, &CalibrationDialog::finished);
    dialog.start();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("CalibrationSaveAs")->isEnabled());
    EXPECT_EQ(dialog.findChild<QTableWidget*>("CalibrationTable")->rowCount(), 0);
    EXPECT_TRUE(dialog.backupText().empty());
}

} // namespace
} // namespace ft817
