#pragma once
// One download or upload, run by the Qt-free engine on a thread of its own
// so that the window stays alive while the radio is served. The worker makes
// its serial port on its thread and uses it only there; what the person sees
// (status text, progress bar) reaches the window by queued signals, and the
// person stops the transfer through a flag the engine looks at while it waits.
// Move the worker to a QThread and run it from that thread's started signal.

#include "clone/transfer.h"
#include "platform/serial_port.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <string>

namespace ft817 {

class TransferWorker : public QObject {
    Q_OBJECT
public:
    TransferWorker(TransferKind kind, SerialDevice device, std::string path, TransferOptions options);

    // Asks the transfer to stop at its next wait; safe from any thread.
    void abandon() { m_abandoned = true; }
    bool abandonRequested() const { return m_abandoned; }

    // Runs the whole transfer on the calling thread (the worker's own), then
    // emits finished. The port is made at the start and gone at the end.
    void run();

signals:
    void statusChanged(const QString& text);
    void progressRangeChanged(int minimum, int maximum);
    void progressMaximumChanged(int maximum);
    void progressValueChanged(int value);
    // The transfer has ended, whatever the outcome; the port is closed.
    void finished(const ft817::TransferReport& report);

private:
    TransferKind m_kind;
    SerialDevice m_device;
    std::string m_path;
    TransferOptions m_options;
    std::atomic<bool> m_abandoned = false;
};

} // namespace ft817

Q_DECLARE_METATYPE(ft817::TransferReport)
