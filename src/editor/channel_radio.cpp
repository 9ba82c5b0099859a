#include "editor/channel_radio.h"

#include "cat_protocol/cat_commands.h"
#include "cat_protocol/cat_link.h"
#include "platform/clock.h"

#include <QStringList>
#include <QThread>

namespace ft817 {
namespace {

// Opens the link at the first CAT rate and finds the one the radio answers at.
Status openAtRadiosRate(CatLink& link)
{
    if (Status opened = link.open(kCatRates[0]); !opened)
        return opened;
    if (const Result<int> rate = findCatRate(link); !rate)
        return rate.error();
    return {};
}

} // namespace

ChannelRadio::ChannelRadio(SerialDevice device, QObject* parent)
    : QObject(parent), m_device(std::move(device))
{
}

ChannelRadio::~ChannelRadio()
{
    if (m_thread)
        m_thread->wait();
}

void ChannelRadio::run(std::function<void()> job)
{
    m_thread.reset(QThread::create(std::move(job)));
    m_thread->start();
}

void ChannelRadio::joined()
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}

void ChannelRadio::tune(std::vector<CatCommand> commands)
{
    if (busy())
        return;
    run([this, commands = std::move(commands)] {
        const std::unique_ptr<SerialPort> port = m_device.makePort();
        SteadyClock clock;
        CatLink link(*port, clock);
        QStringList sent;
        QString why;
        if (const Status opened = openAtRadiosRate(link); !opened) {
            why = QString::fromStdString(opened.error().message);
        } else {
            for (const CatCommand& command : commands) {
                if (const Result<Bytes> done = link.exchange(command); !done) {
                    why = QString::fromStdString(done.error().message);
                    break;
                }
                sent << QString::fromStdString(catCommandHex(command));
            }
        }
        link.close();
        const bool ok = why.isEmpty();
        const QString report = ok ? sent.join(", ") : why;
        QMetaObject::invokeMethod(
            this,
            [this, ok, report] {
                joined();
                emit tuneEnded(ok, report);
            },
            Qt::QueuedConnection);
    });
}

void ChannelRadio::readTuned()
{
    if (busy())
        return;
    run([this] {
        const std::unique_ptr<SerialPort> port = m_device.makePort();
        SteadyClock clock;
        CatLink link(*port, clock);
        Bytes answer;
        QString why;
        if (const Status opened = openAtRadiosRate(link); !opened) {
            why = QString::fromStdString(opened.error().message);
        } else if (const Result<Bytes> read = link.exchange(readFrequencyAndModeCommand()); !read) {
            why = QString::fromStdString(read.error().message);
        } else {
            answer = *read;
        }
        link.close();
        const bool ok = why.isEmpty();
        QMetaObject::invokeMethod(
            this,
            [this, ok, answer, why] {
                joined();
                emit readEnded(ok, answer, why);
            },
            Qt::QueuedConnection);
    });
}

} // namespace ft817
