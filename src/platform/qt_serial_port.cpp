#include "platform/qt_serial_port.h"

#include <QSerialPortInfo>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ft817 {
namespace {

// Why a device could not be opened, found out directly from the system, since
// QSerialPort's own words vary between versions.
Error openError(const std::string& device, QSerialPort::SerialPortError error, const QString& text)
{
    const std::string prefix = "cannot open " + device + ": ";
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        return Error{prefix + "no such device",
                     "Check that the cable is plugged in and that the device name is right "
                     "(for example /dev/ttyUSB0); choose another with --port."};
    }
    if (::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        return Error{prefix + "permission denied",
                     "Is your user in the dialout group? Run: sudo usermod -aG dialout $USER, "
                     "then log out and in again."};
    }
    if (error == QSerialPort::PermissionError || text.contains("lock", Qt::CaseInsensitive) ||
        text.contains("busy", Qt::CaseInsensitive)) {
        return Error{prefix + "the port is in use",
                     "Another program has the port open; close it and try again. (" +
                         text.toStdString() + ")"};
    }
    return Error{prefix + text.toStdString(), {}};
}

}  // namespace

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
    m_port.setPortName(QString::fromStdString(m_device));
    if (!m_port.open(QIODevice::ReadWrite)) {
        Error error = openError(m_device, m_port.error(), m_port.errorString());
        m_port.clearError();
        return error;
    }
    const bool set = m_port.setBaudRate(QSerialPort::Baud9600) &&
                     m_port.setDataBits(QSerialPort::Data8) &&
                     m_port.setParity(QSerialPort::NoParity) &&
                     m_port.setStopBits(QSerialPort::TwoStop) &&
                     m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        Error error{"cannot set up " + m_device + ": " + m_port.errorString().toStdString(), {}};
        m_port.close();
        return error;
    }
    m_port.clearError();
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

int QtSerialPort::handle() const
{
    return m_port.isOpen() ? static_cast<int>(m_port.handle()) : -1;
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
    // A cheap look first: only when the system has bytes (or news of a
    // hang-up) is Qt asked to read them, which costs far more per call.
    pollfd watch{static_cast<int>(m_port.handle()), POLLIN, 0};
    if (::poll(&watch, 1, 0) <= 0)
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
    int queued = static_cast<int>(m_port.bytesToWrite());
    // Bytes the system holds but the line has not yet sent.
    int inDriver = 0;
    if (::ioctl(handle(), TIOCOUTQ, &inDriver) == 0 && inDriver > 0)
        queued += inDriver;
    return queued;
}

SerialDevice qtSerialDevice(const std::string& device)
{
    return SerialDevice{device, [device] { return std::make_unique<QtSerialPort>(device); }};
}

std::string defaultSerialDevice()
{
    std::string first;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string location = info.systemLocation().toStdString();
        if (info.hasVendorIdentifier() || location.find("ttyUSB") != std::string::npos ||
            location.find("ttyACM") != std::string::npos)
            return location;
        if (first.empty())
            first = location;
    }
#ifdef _WIN32
    return "COM1";
#else
    return std::filesystem::exists("/dev/ttyS0") ? std::string("/dev/ttyS0")
                                                  : (first.empty() ? "/dev/ttyS0" : first);
#endif
}

}  // namespace ft817
