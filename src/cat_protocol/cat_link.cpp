#include "cat_protocol/cat_link.h"

#include "cat_protocol/cat_commands.h"
#include "cat_protocol/cat_sender.h"
#include "text/text_format.h"

#include <cstdio>

namespace ft817 {
namespace {

constexpr double kPollInterval = 0.001;

} // namespace

Status CatLink::open(int baud)
{
    m_rate = baud;
    if (Status rated = m_port.setBaudRate(baud); !rated)
        return rated;
    if (Status ready = setUpPort(m_port); !ready)
        return ready;
    m_open = true;
    return {};
}

Status CatLink::setRate(int baud)
{
    m_rate = baud;
    if (Status rated = m_port.setBaudRate(baud); !rated)
        return rated;
    m_port.clearInput();
    return {};
}

void CatLink::close()
{
    if (m_open)
        m_port.close();
    m_open = false;
}

Status CatLink::drain()
{
    const double start = m_clock.now();
    for (;;) {
        const Result<int> queued = m_port.outputCount();
        if (!queued)
            return queued.error();
        if (*queued <= 0)
            return {};
        if (m_clock.now() - start >= kCatDrainLimitSeconds)
            return Error{"the command did not leave " + m_port.deviceName(),
                         "The port holds bytes it cannot send; check the cable and the radio."};
        m_clock.sleep(kPollInterval);
    }
}

Result<Bytes> CatLink::awaitAnswer(int length)
{
    Bytes answer;
    const double start = m_clock.now();
    while (static_cast<int>(answer.size()) < length) {
        const Result<int> waiting = m_port.inputCount();
        if (!waiting)
            return waiting.error();
        if (*waiting > 0) {
            if (const auto byte = m_port.readByte())
                answer.push_back(*byte);
            continue;
        }
        const double left = answerLimit - (m_clock.now() - start);
        if (left <= 0)
            return Error{"no whole answer", {}};
        if (!m_port.waitForInput(std::min(left, 0.05)))
            m_clock.sleep(kPollInterval);
    }
    return answer;
}

Result<Bytes> CatLink::exchange(const CatCommand& command, int attempts)
{
    const int length = catAnswerLength(command);
    for (int attempt = 1;; ++attempt) {
        if (m_onSend)
            m_onSend(command);
        if (Status written = writeGuardedCatCommand(m_port, command); !written)
            return written.error();
        if (Status drained = drain(); !drained)
            return drained.error();
        if (length == 0)
            return Bytes{};
        Result<Bytes> answer = awaitAnswer(length);
        if (answer || attempt >= attempts) {
            if (!answer && answer.error().message == "no whole answer")
                return Error{"the radio did not answer " + describeCatCommand(command) + " (" +
                                 catCommandHex(command) + ") at " + std::to_string(m_rate) + " baud",
                             "Is the radio on, in normal operation, and its CAT RATE " +
                                 std::to_string(m_rate) + "?"};
            return answer;
        }
        // A late or partial answer must not be taken for the next one.
        m_port.clearInput();
    }
}

Result<int> findCatRate(CatLink& link)
{
    for (const int rate : kCatRates) {
        if (Status rated = link.setRate(rate); !rated)
            return rated.error();
        const Result<Bytes> answer = link.exchange(readFrequencyAndModeCommand(), 1);
        if (answer)
            return rate;
    }
    return Error{kNoCatAnswer, {}};
}

} // namespace ft817
