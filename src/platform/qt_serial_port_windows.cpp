// The serial ports on Windows: Qt lists them; Win32SerialPort opens them.

#include "platform/qt_serial_port.h"

#include <QSerialPortInfo>
#include <memory>

namespace ft817 {

SerialDevice qtSerialDevice(const std::string& device)
{
    return SerialDevice{device, [device] { return std::make_unique<Win32SerialPort>(device); }};
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
