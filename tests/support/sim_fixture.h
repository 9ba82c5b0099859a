#pragma once
// A simulated radio on a pseudo-terminal with the real serial port opened on
// it, for tests that run the tool's serial code against a radio in real time.
//
//   test::SimFixture sim(test::fastRadioOptions(sim::Mode::Send));
//   ASSERT_TRUE(sim.start().ok());
//   ASSERT_TRUE(sim.openPort().ok());     // open, one byte per read, clear input
//   Bytes block = sim.readBytes(4, 2.0);
//
// With pacing off the radio writes each block at once; keep a start delay of
// about 0.25 s in Send mode so the tool has cleared its input before block 0.

#include "platform/file_access.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"

#include <memory>
#include <string>

namespace ft817::test {

// Options for tests where timing does not matter: no pacing, short delays.
sim::RadioOptions fastRadioOptions(sim::Mode mode, sim::Model model = sim::Model::FT817);

class SimFixture {
public:
    explicit SimFixture(sim::RadioOptions options, std::string linkPath = {});
    ~SimFixture();
    SimFixture(const SimFixture&) = delete;
    SimFixture& operator=(const SimFixture&) = delete;

    // Starts the radio and makes the serial port for its device.
    Status start();
    // The port set-up every user performs: open, one byte per read, clear input.
    Status openPort();

    sim::SimulatedRadio& radio() { return *m_radio; }
    QtSerialPort& port() { return *m_port; }

    // Bytes read until count have arrived or timeoutSeconds have passed.
    Bytes readBytes(std::size_t count, double timeoutSeconds);
    // Bytes read until quietSeconds pass without a byte (after at least one
    // byte) or timeoutSeconds have passed.
    Bytes readUntilQuiet(double quietSeconds, double timeoutSeconds);
    // Waits until the radio has seen the tool open the port (or the timeout).
    bool waitForOpen(double timeoutSeconds);

private:
    sim::RadioOptions m_options;
    std::string m_linkPath;
    std::unique_ptr<sim::SimulatedRadio> m_radio;
    std::unique_ptr<QtSerialPort> m_port;
};

// Seconds since an arbitrary start, for tests that measure.
double secondsNow();

// Sleeps for the given seconds.
void sleepSeconds(double seconds);

} // namespace ft817::test
