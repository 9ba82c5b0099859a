#include "app/transfer_worker.h"

#include "platform/clock.h"

#include <memory>

namespace ft817 {
namespace {

// Hands what the engine shows to the worker's signals, and the worker's
// abandon flag to the engine.
class SignallingSink : public TransferSink {
public:
    explicit SignallingSink(TransferWorker& worker) : m_worker(worker) {}
    void status(const std::string& text) override
    {
        emit m_worker.statusChanged(QString::fromStdString(text));
    }
    void progressRange(int minimum, int maximum) override
    {
        emit m_worker.progressRangeChanged(minimum, maximum);
    }
    void progressMaximum(int maximum) override { emit m_worker.progressMaximumChanged(maximum); }
    void progressValue(int value) override { emit m_worker.progressValueChanged(value); }
    bool abandoned() override { return m_worker.abandonRequested(); }

private:
    TransferWorker& m_worker;
};

} // namespace

TransferWorker::TransferWorker(TransferKind kind, SerialDevice device, std::string path,
                               TransferOptions options)
    : m_kind(kind), m_device(std::move(device)), m_path(std::move(path)), m_options(std::move(options))
{
    qRegisterMetaType<TransferReport>();
}

void TransferWorker::run()
{
    TransferReport report;
    {
        const std::unique_ptr<SerialPort> port = m_device.makePort();
        SteadyClock clock;
        SignallingSink sink(*this);
        report = transfer(m_kind, *port, clock, m_path, sink, m_options);
        port->close();
    }
    emit finished(report);
}

} // namespace ft817
