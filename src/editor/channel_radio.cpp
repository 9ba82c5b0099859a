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

void ChannelRadio::runOnLink(std::function<Status(CatLink&)> talk, std::function<void(const QString&)> ended)
{
    run([this, talk = std::move(talk), ended = std::move(ended)] {
        const std::unique_ptr<SerialPort> port = m_device.makePort();
        SteadyClock clock;
        CatLink link(*port, clock);
        Status status = openAtRadiosRate(link);
        if (status)
            status = talk(link);
        link.close();
        const QString why = status ? QString() : QString::fromStdString(status.error().message);
        QMetaObject::invokeMethod(
            this,
            [this, ended, why] {
                joined();
                ended(why);
            },
            Qt::QueuedConnection);
    });
}

void ChannelRadio::tune(std::vector<CatCommand> commands)
{
    if (busy())
        return;
    // Filled on the link's thread, read once the job has ended.
    auto sent = std::make_shared<QStringList>();
    runOnLink(
        [commands = std::move(commands), sent](CatLink& link) -> Status {
            for (const CatCommand& command : commands) {
                if (const Result<Bytes> done = link.exchange(command); !done)
                    return done.error();
                *sent << QString::fromStdString(catCommandHex(command));
            }
            return {};
        },
        [this, sent](const QString& why) {
            emit tuneEnded(why.isEmpty(), why.isEmpty() ? sent->join(", ") : why);
        });
}

void ChannelRadio::readTuned()
{
    if (busy())
        return;
    auto answer = std::make_shared<Bytes>();
    runOnLink(
        [answer](CatLink& link) -> Status {
            const Result<Bytes> read = link.exchange(readFrequencyAndModeCommand());
            if (!read)
                return read.error();
            *answer = *read;
            return {};
        },
        [this, answer](const QString& why) { emit readEnded(why.isEmpty(), *answer, why); });
}

} // namespace ft817
