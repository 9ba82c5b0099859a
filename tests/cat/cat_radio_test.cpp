// Form3 and `ft817clone cat` against the simulated radio in normal operation,
// over a pseudo-terminal, with the real serial code. Each command is a job of
// its own: the sync's status and frequency reads, then the command.
#include "app/main_window.h"
#include "app/port_menu.h"
#include "cat/cat_window.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"
#include "support/eventually.h"
#include "support/program_run.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

class CatRadio : public testing::Test {
protected:
    void SetUp() override
    {
        sim::RadioOptions options;
        options.mode = sim::Mode::Cat;
        options.pacing = false;
        m_radio = std::make_unique<sim::SimulatedRadio>(options);
        const Status started = m_radio->start();
        ASSERT_TRUE(started) << started.error().full();
    }

    // The set-frequency commands the radio took, in order.
    std::vector<std::array<std::uint8_t, 5>> setCommands() const { return setCommandsOf(*m_radio); }
    static std::vector<std::array<std::uint8_t, 5>> setCommandsOf(const sim::SimulatedRadio& radio)
    {
        std::vector<std::array<std::uint8_t, 5>> set;
        for (const auto& command : radio.catCommands()) {
            if (command[4] == 0x01)
                set.push_back(command);
        }
        return set;
    }
    std::size_t commandCount() const { return setCommands().size(); }

    // Waits for the window's commands to be done, the radio to hold `count`
    // set commands and the port to be closed again.
    void expectCommandsThenClosed(CatWindow* window, std::size_t count)
    {
        if (window) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window->busy(); }, 20000));
        }
        EXPECT_TRUE(test::eventually([&] { return commandCount() >= count; }))
            << "the radio got " << commandCount() << " commands, expected " << count;
        EXPECT_TRUE(test::eventually([&] { return !m_radio->toolHasPortOpen(); })) << "the port stayed open";
        EXPECT_EQ(commandCount(), count);
        EXPECT_TRUE(m_radio->catFaults().empty());
    }

    std::unique_ptr<sim::SimulatedRadio> m_radio;
};

TEST_F(CatRadio, TypingSendsOneCommandPerChangeOfFiveToEightDigits)
{
    CatWindow window([path = m_radio->devicePath()] { return qtSerialDevice(path); });
    window.show();
    auto* text = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLabel*>("Status");
    ASSERT_NE(text, nullptr);
    ASSERT_NE(status, nullptr);

    // Emptying the box the way a person does sends nothing.
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Backspace);
    ASSERT_TRUE(text->text().isEmpty());

    const struct {
        char key;
        const char* hex; // empty: nothing sent
    } typing[] = {
        {'1', ""},
        {'4', ""},
        {'5', ""},
        {'2', ""},
        {'5', "00 01 45 25 01"}, // "14525"
        {'0', "00 14 52 50 01"}, // "145250"
        {'0', "01 45 25 00 01"}, // "1452500"
        {'0', "14 52 50 00 01"}, // "14525000"
    };
    std::size_t sent = 0;
    for (const auto& step : typing) {
        QTest::keyClick(text, step.key);
        SCOPED_TRACE(text->text().toStdString());
        if (*step.hex == '\0')
            continue;
        ++sent;
        expectCommandsThenClosed(&window, sent);
        EXPECT_EQ(text->toolTip().toStdString(), step.hex);
        EXPECT_TRUE(status->text().contains(step.hex)) << status->text().toStdString();
    }
    const auto commands = setCommands();
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0], (std::array<std::uint8_t, 5>{0x00, 0x01, 0x45, 0x25, 0x01}));
    EXPECT_EQ(commands[1], (std::array<std::uint8_t, 5>{0x00, 0x14, 0x52, 0x50, 0x01}));
    EXPECT_EQ(commands[2], (std::array<std::uint8_t, 5>{0x01, 0x45, 0x25, 0x00, 0x01}));
    EXPECT_EQ(commands[3], (std::array<std::uint8_t, 5>{0x14, 0x52, 0x50, 0x00, 0x01}));
    EXPECT_TRUE(test::eventually([&] { return m_radio->portOpens() == 4; })) << m_radio->portOpens();

    // Deleting: each text of five or more sends, the fourth Backspace ("1452") does not.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(text, Qt::Key_Backspace);
    ASSERT_EQ(text->text(), "1452");
    // A last key that sends proves, by its place in the radio's list, that
    // "1452" sent nothing.
    QTest::keyClick(text, '9');
    expectCommandsThenClosed(&window, 8);
    const auto after = setCommands();
    ASSERT_EQ(after.size(), 8u);
    EXPECT_EQ(after[4], (std::array<std::uint8_t, 5>{0x01, 0x45, 0x25, 0x00, 0x01})); // "1452500"
    EXPECT_EQ(after[5], (std::array<std::uint8_t, 5>{0x00, 0x14, 0x52, 0x50, 0x01})); // "145250"
    EXPECT_EQ(after[6], (std::array<std::uint8_t, 5>{0x00, 0x01, 0x45, 0x25, 0x01})); // "14525"
    EXPECT_EQ(after[7], (std::array<std::uint8_t, 5>{0x00, 0x01, 0x45, 0x29, 0x01})); // "14529"
    EXPECT_TRUE(test::eventually([&] { return m_radio->portOpens() == 8; })) << m_radio->portOpens();
}

TEST_F(CatRadio, OnlyTextsThatMakeACommandReachTheRadio)
{
    CatWindow window([path = m_radio->devicePath()] { return qtSerialDevice(path); });
    window.show();
    auto* text = window.findChild<QLineEdit*>("Text1");
    text->setText("4397000");                 // the program's own change sends nothing
    QTest::keyClick(text, 'x');               // "4397000x": refused, not digits
    QTest::keyClick(text, Qt::Key_Backspace); // "4397000" is sent
    QTest::keyClick(text, '0');               // "43970000" is sent
    QTest::keyClick(text, '0');               // "439700000": refused, too long
    QTest::keyClick(text, Qt::Key_Backspace); // "43970000" is sent again
    expectCommandsThenClosed(&window, 3);
    const auto commands = setCommands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0], (std::array<std::uint8_t, 5>{0x04, 0x39, 0x70, 0x00, 0x01}));
    EXPECT_EQ(commands[1], (std::array<std::uint8_t, 5>{0x43, 0x97, 0x00, 0x00, 0x01}));
    EXPECT_EQ(commands[2], (std::array<std::uint8_t, 5>{0x43, 0x97, 0x00, 0x00, 0x01}));
    EXPECT_TRUE(test::eventually([&] { return m_radio->portOpens() == 3; })) << m_radio->portOpens();
}

TEST_F(CatRadio, HeadlessCommandSendsOneCommandAndPrintsIt)
{
    const test::ProgramRun run =
        test::runProgram({"cat", "--port", QString::fromStdString(m_radio->devicePath()), "43970000"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("43 97 00 00 01"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("439.70000 MHz"), std::string::npos) << run.out;
    expectCommandsThenClosed(nullptr, 1);
    ASSERT_EQ(commandCount(), 1u);
    EXPECT_EQ(setCommands()[0], (std::array<std::uint8_t, 5>{0x43, 0x97, 0x00, 0x00, 0x01}));
    EXPECT_TRUE(test::eventually([&] { return m_radio->portOpens() == 1; })) << m_radio->portOpens();
}

TEST_F(CatRadio, CatWindowSendsToThePortChosenInTheMainWindowSinceItWasOpened)
{
    sim::RadioOptions options;
    options.mode = sim::Mode::Cat;
    options.pacing = false;
    sim::SimulatedRadio other(options);
    ASSERT_TRUE(other.start());

    MainWindow form1(qtSerialDevice(m_radio->devicePath()));
    form1.show();
    auto* area = form1.findChild<QWidget*>("CAT");
    ASSERT_NE(area, nullptr);
    QTest::mouseClick(area, Qt::LeftButton);
    auto* form3 = form1.findChild<CatWindow*>();
    if (!form3) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<CatWindow*>(widget))
                form3 = window;
        }
    }
    ASSERT_NE(form3, nullptr);
    form3->close();

    // Serial port ▸ the other radio, then the CAT window again.
    auto* menu = form1.findChild<PortMenu*>();
    ASSERT_NE(menu, nullptr);
    emit menu->portChosen(QString::fromStdString(other.devicePath()));
    QTest::mouseClick(area, Qt::LeftButton);
    auto* text = form3->findChild<QLineEdit*>("Text1");
    text->clear();
    QTest::keyClicks(text, "43970000");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form3->busy(); }, 20000));
    EXPECT_TRUE(test::eventually([&] { return setCommandsOf(other).size() == 4; }));
    EXPECT_EQ(setCommandsOf(other).back(), (std::array<std::uint8_t, 5>{0x43, 0x97, 0x00, 0x00, 0x01}));
    EXPECT_TRUE(m_radio->catCommands().empty());
    form3->close();
    other.stop();
}

} // namespace
} // namespace ft817
