// The serial port parts common to every system; qt_serial_port_<system>.cpp
// holds the questions to the operating system itself.

#include "platform/qt_serial_port.h"

#include <cmath>
#include <memory>

namespace ft817 {

QtSerialPort::QtSerialPort(std::string device) : m_device(std::move(device)) {}

QtSerialPort::~QtSerialPort()
{
    close();
}

Status QtSerialPort::open()
{
    if (m_port.isOpen())
        return {};
    m_broken = false;
    m_port.setPortName(QString::fromStdString(systemPortName(m_device)));
    if (!m_port.open(QIODevice::ReadWrite)) {
        Error error = openError(m_port.error(), m_port.errorString());
        m_port.clearError();
        return error;
    }
    const bool set = m_port.setBaudRate(m_baud) && m_port.setDataBits(QSerialPort::Data8) &&
                     m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::TwoStop) &&
                     m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        Error error{"cannot set up " + m_device + ": " + m_port.errorString().toStdString(), {}};
        m_port.close();
        return error;
    }
    m_port.clearError();
    return {};
}

Status QtSerialPort::setBaudRate(int baud)
{
    m_baud = baud;
    if (m_port.isOpen() && !m_port.setBaudRate(baud))
        return Error{"cannot set " + m_device + " to " + std::to_string(baud) +
                         " baud: " + m_port.errorString().toStdString(),
                     {}};
    return {};
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

void QtSerialPort::setTextInputOneByte()
{
    // Bytes are always read one at a time and unchanged; nothing to switch.
}

void QtSerialPort::clearInput()
{
    if (!m_port.isOpen())
        return;
    pump();
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

void QtSerialPort::pump()
{
    if (!m_port.isOpen() || m_broken)
        return;
    if (!systemHasInput())
        return;
    // A zero timeout only looks; it reads what has arrived and never blocks.
    m_port.waitForReadyRead(0);
    const auto error = m_port.error();
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
        m_broken = true;
    else if (error != QSerialPort::NoError)
        m_port.clearError();
}

Error QtSerialPort::brokenError() const
{
    return Error{"the connection to " + m_device + " was lost",
                 "The device went away while in use; check the cable and try again."};
}

Result<int> QtSerialPort::inputCount()
{
    if (!m_port.isOpen())
        return Error{m_device + " is not open", {}};
    pump();
    if (m_broken && m_port.bytesAvailable() == 0)
        return brokenError();
    return static_cast<int>(m_port.bytesAvailable());
}

bool QtSerialPort::waitForInput(double seconds)
{
    if (!m_port.isOpen() || m_broken || m_port.bytesAvailable() > 0 || seconds <= 0)
        return true;
    // Qt wakes as soon as bytes arrive and takes them in; a wait that ends
    // empty is no fault of the port.
    const int milliseconds = static_cast<int>(std::ceil(seconds * 1000.0));
    if (!m_port.waitForReadyRead(milliseconds) && m_port.error() == QSerialPort::TimeoutError)
        m_port.clearError();
    // News of a hang-up is taken as any look at the port takes it.
    pump();
    return true;
}

std::optional<std::uint8_t> QtSerialPort::readByte()
{
    if (!m_port.isOpen())
        return std::nullopt;
    if (m_port.bytesAvailable() == 0)
        pump();
    char byte = 0;
    if (m_port.getChar(&byte))
        return static_cast<std::uint8_t>(byte);
    return std::nullopt;
}

Status QtSerialPort::write(std::span<const std::uint8_t> bytes)
{
    if (!m_port.isOpen())
        return Error{m_device + " is not open", {}};
    if (m_broken)
        return brokenError();
    const auto written =
        m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()))
        return brokenError();
    // Hand the bytes to the system now; without an event loop Qt would keep them.
    m_port.flush();
    const auto error = m_port.error();
    if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError) {
        m_broken = true;
        return brokenError();
    }
    m_port.clearError();
    return {};
}

Result<int> QtSerialPort::outputCount()
{
    if (!m_port.isOpen())
        return Error{m_device + " is not open", {}};
    if (m_broken)
        return brokenError();
    if (m_port.bytesToWrite() > 0)
        m_port.flush();
    // Asked first: on some systems the question also updates Qt's own count.
    const int held = heldBySystem();
    return static_cast<int>(m_port.bytesToWrite()) + held;
}

SerialDevice qtSerialDevice(const std::string& device)
{
    return SerialDevice{device, [device] { return std::make_unique<QtSerialPort>(device); }};
}

} // namespace ft817
