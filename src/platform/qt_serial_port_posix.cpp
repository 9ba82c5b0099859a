// The serial port's questions to a POSIX system: descriptor, poll and the
// driver's output queue.

#include "platform/qt_serial_port.h"

#include "platform/file_messages.h"

#include <QSerialPortInfo>
#include <cerrno>
#include <filesystem>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ft817 {

std::string QtSerialPort::systemPortName(const std::string& device)
{
    // Qt would look up "runs/rel/port" under /dev; a name with a folder is a
    // path as given, relative to the working folder.
    if (device.find('/') != std::string::npos && device.front() != '/')
        return "./" + device;
    return device;
}

// Found out directly from the system, since QSerialPort's own words vary between versions.
Error QtSerialPort::openError(QSerialPort::SerialPortError error, const QString& text) const
{
    // A name without a folder is a device in /dev, as the serial port takes it.
    const bool bareName = m_device.find('/') == std::string::npos;
    const std::string tried = bareName ? "/dev/" + m_device : m_device;
    const std::string prefix = "cannot open " + file_messages::shownName(tried) + ": ";
    struct stat info {};
    if (::stat(tried.c_str(), &info) != 0) {
        if (bareName && ::stat(m_device.c_str(), &info) == 0)
            return Error{prefix + "no such device",
                         "A name without a folder means a device in /dev; to use ./" + m_device +
                             " in this folder, give --port ./" + m_device + "."};
        return Error{prefix + "no such device",
                     "Check that the cable is plugged in and that the device name is right "
                     "(for example /dev/ttyUSB0); choose another with --port."};
    }
    if (S_ISDIR(info.st_mode) || S_ISREG(info.st_mode) || text.contains("Inappropriate ioctl")) {
        return Error{prefix + "it is not a serial line",
                     S_ISCHR(info.st_mode) ? std::string("The device does not take serial line settings; "
                                                         "choose the radio's cable with --port.")
                                           : std::string("This is a file, not a device; choose the radio's "
                                                         "cable (for example /dev/ttyUSB0) with --port.")};
    }
    if (::access(tried.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        return Error{prefix + "permission denied",
                     "Is your user in the dialout group? Run: sudo usermod -aG dialout $USER, "
                     "then log out and in again."};
    }
    if (error == QSerialPort::PermissionError || text.contains("lock", Qt::CaseInsensitive) ||
        text.contains("busy", Qt::CaseInsensitive)) {
        return Error{prefix + "the port is in use",
                     "Another program has the port open; close it and try again. (" + text.toStdString() +
                         ")"};
    }
    return Error{prefix + text.toStdString(), {}};
}

int QtSerialPort::handle() const
{
    return m_port.isOpen() ? static_cast<int>(m_port.handle()) : -1;
}

bool QtSerialPort::systemHasInput()
{
    // A cheap look: asking Qt to read costs far more per call.
    pollfd watch{handle(), POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0;
}

int QtSerialPort::heldBySystem()
{
    int inDriver = 0;
    if (::ioctl(handle(), TIOCOUTQ, &inDriver) == 0 && inDriver > 0)
        return inDriver;
    return 0;
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
    return std::filesystem::exists("/dev/ttyS0") ? std::string("/dev/ttyS0")
                                                 : (first.empty() ? "/dev/ttyS0" : first);
}

} // namespace ft817
