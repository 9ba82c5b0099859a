#pragma once
// Form3, "CAT Control": one text box whose every change by the person is
// turned into a five-byte CAT command for the radio in normal operation,
// and a status line that tells what was sent or why nothing was.
//
// Each command is a job of its own on a thread of its own, in the order typed:
// the port in use at that moment (the main window's Serial port menu may
// have changed it) is opened, the radio's commands are brought into step
// (cat_link.h; the CAT rate the radio answered at last is tried first), the
// command is sent and the port closed again.

#include "cat_protocol/cat_frames.h"
#include "platform/serial_port.h"

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QThread;

namespace ft817 {

class CatWindow : public QWidget {
    Q_OBJECT
public:
    // device gives the serial device in use; it is asked again for every command.
    explicit CatWindow(std::function<SerialDevice()> device, QWidget* parent = nullptr);
    // Waits for a command being sent.
    ~CatWindow() override;

    // True while commands wait or one is being sent.
    bool busy() const { return m_thread != nullptr || !m_queue.empty(); }

signals:
    // The person closed the window; the main window comes back.
    void closed();
    // A command's job has ended, sent or not.
    void commandEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Job {
        CatCommand command{};
        std::string meaning;
    };
    // Runs on every change of the text that the person makes.
    void textEdited(const QString& text);
    void showStatus(const QString& line, const QString& tooltip = {});
    // Starts the next waiting command, if none is being sent.
    void sendNext();
    void jobEnded(const Job& job, const QString& error, const QString& detail, int rate,
                  const QString& device);

    std::function<SerialDevice()> m_device;
    QLineEdit* m_text = nullptr;
    QLabel* m_status = nullptr;
    // The status line of the last command sent, shown again while typing.
    QString m_lastSentLine;
    std::deque<Job> m_queue;
    std::unique_ptr<QThread> m_thread;
    // The CAT rate the radio answered at last: tried first (the line's 9600 at first).
    int m_rate = 9600;
};

} // namespace ft817
