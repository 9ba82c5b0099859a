#pragma once
// The channel list's line to the radio in normal operation: sending a
// channel's tuning commands and reading the radio's frequency and mode, each
// on a worker thread with a port of its own (made from the main window's
// device), the outcome told by a queued signal. One job at a time.

#include "cat_protocol/cat_frames.h"
#include "platform/file_access.h"
#include "platform/result.h"
#include "platform/serial_port.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace ft817 {

class CatLink;

class ChannelRadio : public QObject {
    Q_OBJECT
public:
    explicit ChannelRadio(SerialDevice device, QObject* parent = nullptr);
    // Waits for a job that still runs.
    ~ChannelRadio() override;

    bool busy() const { return m_thread != nullptr; }
    // Sends the commands in order (finding the radio's CAT rate first).
    void tune(std::vector<CatCommand> commands);
    // Reads the radio's frequency and mode.
    void readTuned();

signals:
    // A tune ended: the commands sent as hex, or why it stopped.
    void tuneEnded(bool ok, const QString& report);
    // A read ended: the five answer bytes, or why there are none.
    void readEnded(bool ok, const ft817::Bytes& answer, const QString& why);

private:
    void run(std::function<void()> job);
    // Runs talk on a link to the radio, opened at the rate it answers, on a
    // thread of its own; then ended(why, empty when all went well) here.
    void runOnLink(std::function<Status(CatLink&)> talk, std::function<void(const QString&)> ended);
    void joined();

    SerialDevice m_device;
    std::unique_ptr<QThread> m_thread;
};

} // namespace ft817
