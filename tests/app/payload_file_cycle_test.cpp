// A payload file of another tool through the windows against the simulated
// FT-817ND: Edit opens it, Done writes an image file beside it, Upload sends it.

#include "app/main_window.h"
#include "image/image_file.h"
#include "platform/qt_serial_port.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/payload_samples.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include "top_level.h"
#include <QApplication>
#include <QLineEdit>

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

using test::topLevel;

TEST(PayloadFileCycle, EditOpensItDoneWritesAnImageBesideItAndUploadSendsIt)
{
    test::TempDir dir;
    sim::SimulatedRadio radio(test::fastRadioOptions(sim::Mode::Auto, sim::Model::FT817ND));
    ASSERT_TRUE(radio.start().ok());
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
    const Bytes payload = test::payloadFileOf(memory.image, memory.blockLengths);
    ASSERT_EQ(payload.size(), 6521u);
    const std::string payloadPath = dir.file("radio.img");
    ASSERT_TRUE(writeWholeFile(payloadPath, payload));
    // A file already under the name Done would choose first is not written over.
    const Bytes other = {1, 2, 3};
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), other));

    MainWindow window(qtSerialDevice(radio.devicePath()));
    window.setTransferTiming(TransferTiming::Fast);
    window.show();
    auto* path = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLineEdit*>("Text2");
    path->setText(QString::fromStdString(payloadPath));

    QTest::mouseClick(window.findChild<QWidget*>("Command3"), Qt::LeftButton);
    QWidget* editor = topLevel("Form2");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible()) << status->text().toStdString();
    EXPECT_EQ(path->text().toStdString(), payloadPath);
    EXPECT_EQ(editor->findChild<QLineEdit*>("Savename")->text().toStdString(), dir.file("radio-2.bin"));
    QTest::mouseClick(editor->findChild<QWidget*>("Done"), Qt::LeftButton);
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(path->text().toStdString(), dir.file("radio-2.bin"));
    EXPECT_EQ(*readWholeFile(dir.file("radio-2.bin")), *buildImageFile(memory.image, memory.blockLengths));
    EXPECT_EQ(*readWholeFile(payloadPath), payload);
    EXPECT_EQ(*readWholeFile(dir.file("radio.bin")), other);

    // Upload takes the payload file as it is; the radio gets its memory byte for byte.
    path->setText(QString::fromStdString(payloadPath));
    QSignalSpy finished(&window, &MainWindow::transferFinished);
    QTest::mouseClick(window.findChild<QWidget*>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(finished.at(0).at(0).toBool()) << status->text().toStdString();
    ASSERT_TRUE(radio.waitForTransfers(1, 5.0));
    EXPECT_EQ(radio.receivedImage(), memory.image);
}

} // namespace
} // namespace ft817
