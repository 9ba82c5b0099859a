#include "support/sim_fixture.h"

#include <chrono>
#include <thread>

namespace ft817::test {

double secondsNow()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void sleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

sim::RadioOptions fastRadioOptions(sim::Mode mode, sim::Model model)
{
    sim::RadioOptions options;
    options.mode = mode;
    options.model = model;
    options.pacing = false;
    options.startDelay = 0.25;
    options.blockDelay = 0.0;
    options.ackDelay = 0.0;
    return options;
}

SimFixture::SimFixture(sim::RadioOptions options, std::string linkPath)
    : m_options(std::move(options)), m_linkPath(std::move(linkPath))
{
}

SimFixture::~SimFixture()
{
    if (m_port)
        m_port->close();
    if (m_radio)
        m_radio->stop();
}

Status SimFixture::start()
{
    m_radio = std::make_unique<sim::SimulatedRadio>(m_options);
    if (Status started = m_radio->start(m_linkPath); !started)
        return started;
    m_port = std::make_unique<QtSerialPort>(m_radio->devicePath());
    return {};
}

Status SimFixture::openPort()
{
    return setUpPort(*m_port);
}

Bytes SimFixture::readBytes(std::size_t count, double timeoutSeconds)
{
    Bytes bytes;
    const double end = secondsNow() + timeoutSeconds;
    while (bytes.size() < count && secondsNow() < end) {
        auto waiting = m_port->inputCount();
        if (!waiting)
            break;
        if (*waiting == 0) {
            sleepSeconds(0.001);
            continue;
        }
        while (bytes.size() < count) {
            auto byte = m_port->readByte();
            if (!byte)
                break;
            bytes.push_back(*byte);
        }
    }
    return bytes;
}

Bytes SimFixture::readUntilQuiet(double quietSeconds, double timeoutSeconds)
{
    Bytes bytes;
    const double end = secondsNow() + timeoutSeconds;
    double last = secondsNow();
    while (secondsNow() < end) {
        auto waiting = m_port->inputCount();
        if (!waiting)
            break;
        if (*waiting > 0) {
            while (auto byte = m_port->readByte())
                bytes.push_back(*byte);
            last = secondsNow();
        } else if (!bytes.empty() && secondsNow() - last >= quietSeconds) {
            break;
        } else {
            sleepSeconds(0.001);
        }
    }
    return bytes;
}

bool SimFixture::waitForOpen(double timeoutSeconds)
{
    const double end = secondsNow() + timeoutSeconds;
    while (!m_radio->toolHasPortOpen()) {
        if (secondsNow() >= end)
            return false;
        sleepSeconds(0.002);
    }
    return true;
}

} // namespace ft817::test
