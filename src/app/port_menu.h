#pragma once
// The main window's "Serial port" submenu: the serial ports the system
// reports, USB adapters first, each with its description, and the port in
// use checked (listed even when the system does not report it, as a
// pseudo-terminal or a port that has gone away). The choice is kept for the
// next start; --port still wins for one run.

#include <QMenu>
#include <QString>

namespace ft817 {

class PortMenu : public QMenu {
    Q_OBJECT
public:
    explicit PortMenu(QWidget* parent = nullptr);

    // The port shown as in use.
    void setPortInUse(const QString& device);

signals:
    // The person chose this port (already kept for the next start).
    void portChosen(const QString& device);

private:
    // Lists the ports anew, each time the menu opens.
    void listPorts();

    QString m_inUse;
};

// The port chosen in the menu last time; empty when none was ever chosen.
QString savedSerialPort();

} // namespace ft817
