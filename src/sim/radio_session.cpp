#include "sim/radio_session.h"

#include "image/block_store.h"

#include <algorithm>

namespace ft817::sim {

RadioSession::RadioSession(const RadioOptions& options, const Memory& memory, SimLine& line, CatListener& cat,
                           RadioObservations& seen)
    : m_options(options), m_memory(memory), m_line(line), m_cat(cat), m_seen(seen),
      m_sender(memory, options, line, seen), m_receiver(memory, options, line, seen)
{
}

// Each time the thread wakes it runs whatever has fallen due (the next piece
// of a block, paced output bytes, a scheduled acknowledgement, the Auto
// decision) and sleeps until the next of those.
void RadioSession::run(const std::atomic<bool>& stopRequested)
{
    while (!stopRequested.load() && !m_finished) {
        double now = lineSeconds();
        runDue(now);
        if (m_finished)
            break;
        now = lineSeconds();
        const double wait = std::clamp(nextDeadline(now) - now, 0.0, 1.0);
        SimLine::Ready ready;
        if (!m_line.wait(wait, m_openCount > 0 || m_phase != Phase::Closed, ready))
            break;
        now = lineSeconds();
        if (ready.portEvents)
            m_line.readPortEvents([&](bool opened) { portEvent(opened, now); });
        if (ready.input)
            readInput(now);
    }
    m_seen.stopped();
}

void RadioSession::runDue(double now)
{
    for (int round = 0; round < 16; ++round) {
        if (m_hangUpPending) {
            hangUp();
            return;
        }
        bool progress = false;
        if (m_phase == Phase::Deciding) {
            const bool quietSinceOpen = m_undecided.empty() && now >= m_sessionStart + kAutoSendSilence;
            const bool quietAfterBytes = !m_undecided.empty() && now >= m_lastArrival + kAutoDecideSilence;
            if (quietSinceOpen || quietAfterBytes) {
                decide();
                progress = true;
            }
        }
        if (m_line.releaseDue(now))
            progress = true;
        m_line.flush(now);
        if (m_phase == Phase::Sending) {
            switch (m_sender.advance(now)) {
            case CloneSender::Progress::None:
                break;
            case CloneSender::Progress::Moved:
                progress = true;
                break;
            case CloneSender::Progress::FellSilent:
                m_phase = Phase::Done;
                progress = true;
                break;
            case CloneSender::Progress::HangUp:
                m_hangUpPending = true;
                progress = true;
                break;
            }
        }
        if (!progress)
            return;
    }
}

double RadioSession::nextDeadline(double now) const
{
    double deadline = m_line.nextDue(now);
    if (m_phase == Phase::Deciding)
        deadline = std::min(deadline, m_undecided.empty() ? m_sessionStart + kAutoSendSilence
                                                          : m_lastArrival + kAutoDecideSilence);
    if (m_phase == Phase::Sending)
        deadline = std::min(deadline, m_sender.deadline(now));
    return deadline;
}

void RadioSession::decide()
{
    if (m_undecided.empty()) {
        m_phase = Phase::Sending;
        m_cat.forget(); // clone mode: whatever CAT command was begun is gone
        m_sender.start(m_sessionStart + std::max(m_options.startDelay, kAutoSendSilence));
        return;
    }
    const Bytes bytes = std::exchange(m_undecided, {});
    const auto length = static_cast<std::size_t>(m_memory.blockLengths[0]);
    const bool block0 =
        bytes.size() == length && length >= 2 && bytes[0] == 0 && BlockStore::checksumMatches(bytes);
    if (block0) {
        m_phase = Phase::Receiving;
        m_cat.forget();
        m_receiver.reset();
        for (std::uint8_t byte : bytes)
            receive(byte, m_lastArrival);
    } else {
        m_phase = Phase::Cat;
        for (std::uint8_t byte : bytes)
            listen(byte, m_lastArrival);
    }
}

void RadioSession::portEvent(bool opened, double now)
{
    if (opened) {
        if (++m_openCount == 1)
            this->opened(now);
    } else if (m_openCount > 0 && --m_openCount == 0) {
        // Take what the tool wrote just before closing (its last
        // acknowledgement) as part of the session it ends.
        if (m_line.mayHaveInput())
            readInput(now);
        closed();
    }
}

void RadioSession::readInput(double now)
{
    m_line.readInput(now, [&](std::uint8_t byte, double at) { feed(byte, at); });
}

void RadioSession::feed(std::uint8_t byte, double at)
{
    if (m_cat.noRadio()) {
        m_cat.answerAsLine(byte, at);
        return;
    }
    switch (m_phase) {
    case Phase::Closed:
        opened(at);
        feed(byte, m_line.arrival(at));
        return;
    case Phase::Deciding:
        m_undecided.push_back(byte);
        m_lastArrival = at;
        return;
    case Phase::Sending:
        switch (m_sender.take(byte, at)) {
        case CloneSender::Answer::Ignored:
        case CloneSender::Answer::NextBlock:
            return;
        case CloneSender::Answer::WholeThenHangUp:
            m_hangUpPending = true;
            [[fallthrough]];
        case CloneSender::Answer::Whole:
            m_didSomething = true;
            m_phase = Phase::Done;
            return;
        }
        return;
    case Phase::Receiving:
        receive(byte, at);
        return;
    case Phase::Cat:
        listen(byte, at);
        return;
    case Phase::Done:
        return;
    }
}

void RadioSession::receive(std::uint8_t byte, double at)
{
    switch (m_receiver.take(byte, at)) {
    case CloneReceiver::Taken::More:
        return;
    case CloneReceiver::Taken::HangUp:
        m_hangUpPending = true;
        return;
    case CloneReceiver::Taken::Whole:
        m_didSomething = true;
        return;
    }
}

void RadioSession::listen(std::uint8_t byte, double at)
{
    if (m_cat.take(byte, at))
        m_didSomething = true;
}

void RadioSession::reset()
{
    m_line.clearOutput();
    m_undecided.clear();
    m_receiver.reset();
    m_sender.reset();
}

void RadioSession::opened(double now)
{
    reset();
    m_line.beginSession(now);
    m_sessionStart = now;
    m_didSomething = false;
    switch (m_options.mode) {
    case Mode::Send:
        m_phase = Phase::Sending;
        m_sender.start(now + m_options.startDelay);
        break;
    case Mode::Receive:
        m_phase = Phase::Receiving;
        break;
    case Mode::Cat:
        m_phase = Phase::Cat;
        break;
    case Mode::Auto:
        m_phase = Phase::Deciding;
        break;
    }
    m_seen.portOpened();
}

void RadioSession::closed()
{
    // A CAT window closes the port right after its five bytes, before the
    // Auto decision's silence has passed: decide on what came.
    if (m_phase == Phase::Deciding && !m_undecided.empty())
        decide();
    reset();
    m_phase = Phase::Closed;
    if (m_options.once && m_didSomething)
        m_finished = true;
    m_seen.portClosed();
}

// Like a cable pulled out: the tool's port fails. The radio then comes back
// on a fresh pseudo-terminal (the symlink follows).
void RadioSession::hangUp()
{
    m_hangUpPending = false;
    m_line.hangUp();
    reset();
    m_phase = Phase::Closed;
    m_openCount = 0;
    m_seen.hungUp();
    if (Status plugged = m_line.plugIn(); !plugged)
        m_finished = true;
    else
        m_seen.setSlavePath(m_line.slavePath());
}

} // namespace ft817::sim
