#include "editor/channel_radio.h"

#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_link.h"
#include "cat_protocol/channel_tuning.h"
#include "platform/clock.h"

#include <QStringList>
#include <QThread>

namespace ft817 {

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
        const Result<int> rate = connectCat(link, 0);
        Status status = rate ? talk(link) : Status(rate.error());
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
            // The set commands, as sent; the read back that confirms them is not listed.
            link.onSend([sent](const CatCommand& command) {
                if (catAnswerLength(command) == 0)
                    *sent << QString::fromStdString(catCommandHex(command));
            });
            return sendAndConfirm(link, commands);
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
