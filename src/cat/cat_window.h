#pragma once
// Form3, "CAT Control": one text box whose every change is turned into a
// five-byte CAT command for the radio in normal operation.

#include "platform/serial_port.h"

#include <QWidget>

class QLineEdit;

namespace ft817 {

class CatWindow : public QWidget {
    Q_OBJECT
public:
    explicit CatWindow(SerialPort& port, QWidget* parent = nullptr);

signals:
    // The person closed the window; the main window comes back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SerialPort& m_port;
    QLineEdit* m_text = nullptr;
};

}  // namespace ft817
