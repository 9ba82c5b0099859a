#pragma once
// Form3, "CAT Control": one text box whose every change by the person is
// turned into a five-byte CAT command for the radio in normal operation,
// and a status line that tells what was sent or why nothing was.
// The port is opened for each command and closed again after it.

#include "platform/serial_port.h"

#include <QString>
#include <QWidget>

class QLabel;
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
    // Runs on every change of the text that the person makes.
    void textEdited(const QString& text);
    void showStatus(const QString& line, const QString& tooltip = {});

    SerialPort& m_port;
    QLineEdit* m_text = nullptr;
    QLabel* m_status = nullptr;
    // The status line of the last command sent, shown again while typing.
    QString m_lastSentLine;
};

} // namespace ft817
