#include "app/port_menu.h"

#include <QActionGroup>
#include <QSerialPortInfo>
#include <QSettings>
#include <algorithm>

namespace ft817 {
namespace {

const char* const kPortKey = "serial/port";

QSettings programSettings()
{
    return QSettings();
}

// The port as the person knows it and names it with --port: /dev/ttyUSB0,
// or on Windows COM3 (not the system's \\.\COM3).
QString portLocation(const QSerialPortInfo& port)
{
#ifdef Q_OS_WIN
    return port.portName();
#else
    return port.systemLocation();
#endif
}

// "/dev/ttyUSB0  FT232R USB UART" or the location alone.
QString portLabel(const QSerialPortInfo& port)
{
    const QString description = port.description().trimmed();
    return description.isEmpty() ? portLocation(port) : portLocation(port) + "  " + description;
}

} // namespace

PortMenu::PortMenu(QWidget* parent) : QMenu(tr("Serial port"), parent)
{
    setObjectName("SerialPortMenu");
    menuAction()->setObjectName("SerialPort");
    connect(this, &QMenu::aboutToShow, this, &PortMenu::listPorts);
    listPorts();
}

void PortMenu::setPortInUse(const QString& device)
{
    m_inUse = device;
    listPorts();
}

void PortMenu::listPorts()
{
    clear();
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    // USB adapters first, as they are the usual CAT cables; each group by name.
    std::stable_sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        if (a.hasVendorIdentifier() != b.hasVendorIdentifier())
            return a.hasVendorIdentifier();
        return portLocation(a) < portLocation(b);
    });
    auto* group = new QActionGroup(this);
    const auto addPort = [&](const QString& location, const QString& label) {
        QAction* item = addAction(label);
        item->setCheckable(true);
        item->setChecked(location == m_inUse);
        item->setData(location);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, location] {
            programSettings().setValue(kPortKey, location);
            m_inUse = location;
            emit portChosen(location);
        });
    };
    const bool listed = std::any_of(ports.begin(), ports.end(), [&](const QSerialPortInfo& port) {
        return portLocation(port) == m_inUse;
    });
    if (!listed && !m_inUse.isEmpty())
        addPort(m_inUse, m_inUse + tr("  (in use)"));
    for (const QSerialPortInfo& port : ports)
        addPort(portLocation(port), portLabel(port));
    if (actions().isEmpty())
        addAction(tr("No serial port found"))->setEnabled(false);
}

QString savedSerialPort()
{
    return programSettings().value(kPortKey).toString();
}

} // namespace ft817
