// The serial port on Windows: everything through Qt's own portable calls,
// since Qt reads and writes COM ports with overlapped I/O of its own.

#include "platform/qt_serial_port.h"

#include <QSerialPortInfo>

namespace ft817 {

std::string QtSerialPort::systemPortName(const std::string& device)
{
    return device;
}

Error QtSerialPort::openError(QSerialPort::SerialPortError error, const QString& text) const
{
    const std::string prefix = "cannot open " + m_device + ": ";
    if (error == QSerialPort::DeviceNotFoundError) {
        return Error{prefix + "no such device",
                     "Check that the cable is plugged in and that the port name is right "
                     "(for example COM3, as the Device Manager shows it); choose another with --port."};
    }
    if (error == QSerialPort::PermissionError) {
        return Error{prefix + "the port is in use",
                     "Another program has the port open; close it and try again. (" + text.toStdString() +
                         ")"};
    }
    return Error{prefix + text.toStdString(), {}};
}

bool QtSerialPort::systemHasInput()
{
    // Qt learns of received bytes only when it is asked; a zero wait only looks.
    return true;
}

int QtSerialPort::heldBySystem()
{
    // Lets Qt take note of writes the system has finished; until then they
    // count in bytesToWrite().
    m_port.waitForBytesWritten(0);
    return 0;
}

std::string defaultSerialDevice()
{
    std::string first;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string name = info.portName().toStdString();
        if (info.hasVendorIdentifier())
            return name;
        if (first.empty())
            first = name;
    }
    return first.empty() ? "COM1" : first;
}

} // namespace ft817
