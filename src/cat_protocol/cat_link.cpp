#include "cat_protocol/cat_link.h"

#include "cat_protocol/cat_frames.h"
#include "cat_protocol/cat_sender.h"
#include "cat_protocol/channel_tuning.h"
#include "text/text_format.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace ft817 {
namespace {

constexpr double kPollInterval = 0.001;
// What awaitAnswer says when the time limit passed; anything else is the port failing.
constexpr const char* kNoWholeAnswer = "no whole answer";
// How exchange's messages for an unanswered read begin.
constexpr const char* kNoAnswer = "the radio did not answer ";
constexpr const char* kLateAnswer = "the radio answered ";

std::string secondsText(double seconds)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::general, 3);
    return std::string(text, end.ptr);
}

std::string withoutPrefix(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text;
}

std::string rateText(int rate)
{
    return std::to_string(rate) + " baud";
}

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

Result<Bytes> CatLink::awaitAnswer(int length, double limit)
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
        const double left = limit - (m_clock.now() - start);
        if (left <= 0)
            return Error{kNoWholeAnswer, {}};
        if (!m_port.waitForInput(std::clamp(left, kPollInterval, 0.05)))
            m_clock.sleep(kPollInterval);
    }
    return answer;
}

int CatLink::settle(double quietSeconds)
{
    const Result<Bytes> thrown = collectUntilQuiet(quietSeconds);
    return thrown ? static_cast<int>(thrown->size()) : 0;
}

Result<Bytes> CatLink::trailingBytes()
{
    return collectUntilQuiet(kCatSettleQuietSeconds);
}

Result<Bytes> CatLink::collectUntilQuiet(double quietSeconds)
{
    Bytes bytes;
    const double start = m_clock.now();
    double last = start;
    for (;;) {
        const Result<int> waiting = m_port.inputCount();
        if (!waiting)
            return waiting.error();
        if (*waiting > 0) {
            if (const auto byte = m_port.readByte()) {
                bytes.push_back(*byte);
                last = m_clock.now();
                continue;
            }
        }
        const double now = m_clock.now();
        if (now - last >= quietSeconds || now - start >= kCatQuietLimitSeconds)
            return bytes;
        if (!m_port.waitForInput(std::clamp(quietSeconds - (now - last), kPollInterval, 0.05)))
            m_clock.sleep(kPollInterval);
    }
}

Result<bool> CatLink::sendSyncBytes(double byteWait)
{
    for (int i = 0; i < 5; ++i) {
        if (Status written = writeGuardedSyncByte(m_port, kCatSyncByte); !written)
            return written.error();
        if (Status drained = drain(); !drained)
            return drained.error();
        const Result<Bytes> heard = awaitAnswer(1, i == 4 ? answerLimit : byteWait);
        if (heard)
            return true;
        if (heard.error().message != kNoWholeAnswer)
            return heard.error();
    }
    return false;
}

Status CatLink::stepError(CatStep step, const std::string& message)
{
    m_step = step;
    const std::string rate = rateText(m_rate);
    switch (step) {
    case CatStep::Silent:
        return Error{"no answer to CAT reads at " + rate,
                     "Is the radio on, in normal operation (not clone mode), its CAT RATE " + rate +
                         ", and the cable in the ACC socket?"};
    case CatStep::Late:
        return Error{"the radio answers CAT reads at " + rate + " only after more than " +
                         secondsText(answerLimit) +
                         " s, too late to tell its answers apart: nothing was "
                         "sent but reads",
                     "A radio answers within a few hundredths of a second; check the cable and the "
                     "serial adapter."};
    case CatStep::Echo:
        return Error{"the line at " + rate +
                         " gives back the tool's own bytes (an echo), not a radio's answer",
                     "A cable whose TX is tied to its RX, or a radio that is off behind such a cable, "
                     "echoes; check the cable and the radio."};
    case CatStep::NotRadio:
        return Error{"what came back at " + rate + " is not a radio's answer" +
                         (message.empty() ? std::string() : " (" + message + ")"),
                     "Noise on the line, or a radio that does not keep to its five-byte commands; "
                     "check the cable and the radio."};
    case CatStep::InStep:
    case CatStep::PortFailed:
        break;
    }
    return Error{message, {}};
}

Status CatLink::bringInStep()
{
    // The sync's own bytes are no commands of the job: nobody is told of them.
    const auto observer = std::exchange(m_onSend, {});
    struct Restore {
        CatLink& link;
        std::function<void(const CatCommand&)> observer;
        ~Restore() { link.m_onSend = std::move(observer); }
    } restore{*this, observer};

    int late = 0;
    std::string heard;
    for (const double byteWait : {kCatSyncByteWaitSeconds, kCatSyncByteSlowWaitSeconds}) {
        const Result<bool> answered = sendSyncBytes(byteWait);
        if (!answered) {
            m_step = CatStep::PortFailed;
            return answered.error();
        }
        if (!*answered) {
            // Nothing within the limits: wait out an answer that is merely late.
            late += settle(kCatLateQuietSeconds);
            return stepError(late > 0 ? CatStep::Late : CatStep::Silent, {});
        }
        // The rest of a longer answer, or more noise, goes.
        settle(kCatSettleQuietSeconds);

        const CatCommand check = readFrequencyAndModeCommand();
        const Result<Bytes> answer = exchange(check, 1);
        if (answer) {
            if (std::equal(answer->begin(), answer->end(), check.begin()))
                return stepError(CatStep::Echo, {});
            const Result<TunedFrequency> tuned = readTunedAnswer(*answer);
            // A whole valid answer and nothing after it: the frame is in step.
            const int after = settle(tuned ? kCatSettleQuietSeconds : kCatLateQuietSeconds);
            if (tuned && after == 0) {
                m_step = CatStep::InStep;
                return {};
            }
            heard = "the frequency answer " + hexBytes(*answer, " ") + (after > 0 ? " and more" : "") +
                    (tuned ? std::string() : ": " + withoutPrefix(tuned.error().message, "not taken: "));
        } else if (answer.error().message.rfind(kLateAnswer, 0) == 0) {
            ++late;
            heard = "the frequency read answered late";
        } else if (answer.error().message.rfind(kNoAnswer, 0) == 0) {
            // Out of step after a slow answer to a sync byte: a status read took
            // the frame early and answered one byte, not five.
            heard = "no whole answer to the frequency read";
        } else {
            m_step = CatStep::PortFailed;
            return answer.error();
        }
        // Once more, waiting longer after each sync byte.
    }
    if (late > 0)
        return stepError(CatStep::Late, {});
    return stepError(CatStep::NotRadio, heard);
}

Result<Bytes> CatLink::exchange(const CatCommand& command, int attempts)
{
    const int length = catAnswerLength(command);
    for (int attempt = 1;; ++attempt) {
        // Bytes waiting before the command goes out are no answer to it: a
        // late answer to an earlier command, waited out and thrown away.
        if (const Result<int> waiting = m_port.inputCount(); waiting && *waiting > 0)
            settle(kCatLateQuietSeconds);
        if (m_onSend)
            m_onSend(command);
        if (Status written = writeGuardedCatCommand(m_port, command); !written)
            return written.error();
        if (Status drained = drain(); !drained)
            return drained.error();
        if (length == 0)
            return Bytes{};
        Result<Bytes> answer = awaitAnswer(length, answerLimit);
        if (answer || answer.error().message != kNoWholeAnswer)
            return answer;
        // A late or partial answer must not be taken for the next one.
        const int late = settle(kCatLateQuietSeconds);
        if (attempt < attempts)
            continue;
        const std::string what = describeCatCommand(command) + " (" + catCommandHex(command) + ")";
        if (late > 0)
            return Error{kLateAnswer + what + " at " + rateText(m_rate) + " only after more than " +
                             secondsText(answerLimit) + " s",
                         "An answer that late cannot be told from the next one's; check the cable and the "
                         "serial adapter."};
        return Error{kNoAnswer + what + " at " + rateText(m_rate),
                     "Is the radio on, in normal operation, and its CAT RATE " + std::to_string(m_rate) +
                         "?"};
    }
}

Result<int> findCatRate(CatLink& link, int preferred)
{
    std::vector<int> order;
    if (std::find(std::begin(kCatRates), std::end(kCatRates), preferred) != std::end(kCatRates))
        order.push_back(preferred);
    for (const int rate : kCatRates) {
        if (rate != preferred)
            order.push_back(rate);
    }
    bool echoed = false;
    std::string notRadio;
    for (const int rate : order) {
        if (Status rated = link.setRate(rate); !rated)
            return rated.error();
        const Status step = link.bringInStep();
        switch (link.lastStep()) {
        case CatStep::InStep:
            return rate;
        case CatStep::Late:
        case CatStep::PortFailed:
            return step.error();
        case CatStep::Echo:
            echoed = true;
            break;
        case CatStep::NotRadio:
            if (notRadio.empty())
                notRadio = step.error().message;
            break;
        case CatStep::Silent:
            break;
        }
    }
    if (echoed)
        return Error{"the line gives back the tool's own bytes (an echo) and no radio answers at 4800, "
                     "9600 or 38400 baud: nothing was sent but reads",
                     "A cable whose TX is tied to its RX, or a radio that is off behind such a cable, "
                     "echoes; check the cable and the radio."};
    if (!notRadio.empty())
        return Error{"no radio's answer at 4800, 9600 or 38400 baud: " + notRadio,
                     "Noise on the line is no radio; check the cable and that the radio is on, in normal "
                     "operation."};
    return Error{kNoCatAnswer, {}};
}

Result<int> connectCat(CatLink& link, int rate, int preferred)
{
    if (Status opened = link.open(rate > 0 ? rate : preferred > 0 ? preferred : kCatRates[0]); !opened)
        return opened.error();
    if (rate == 0)
        return findCatRate(link, preferred);
    if (Status step = link.bringInStep(); !step)
        return step.error();
    return rate;
}

Result<int> sendInStep(SerialPort& port, Clock& clock, const CatCommand& command, int rate, int preferred)
{
    CatLink link(port, clock);
    const Result<int> used = connectCat(link, rate, preferred);
    if (!used)
        return used;
    // A set command has no answer: its frequency and mode are read back instead.
    if (catAnswerLength(command) == 0) {
        if (const Status confirmed = sendAndConfirm(link, {command}); !confirmed)
            return confirmed.error();
    } else if (const Result<Bytes> done = link.exchange(command); !done) {
        return done.error();
    }
    return used;
}

} // namespace ft817
