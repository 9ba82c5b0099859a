#include "sim/clone_sender.h"

#include <algorithm>

namespace ft817::sim {
namespace {

// The line goes dead this long after the first half of the block.
constexpr double kHangUpAfter = 0.1;

} // namespace

CloneSender::CloneSender(const Memory& memory, const RadioOptions& options, SimLine& line,
                         RadioObservations& seen)
    : m_memory(memory), m_options(options), m_line(line), m_seen(seen)
{
    int offset = 0;
    for (int length : m_memory.blockLengths) {
        m_starts.push_back(offset);
        offset += length;
    }
}

void CloneSender::start(double at)
{
    reset();
    m_at = at;
}

void CloneSender::reset()
{
    m_block = 0;
    m_step = Step::Start;
}

Bytes CloneSender::blockBytes(int block, int from, int to) const
{
    const auto begin = m_memory.image.begin() + m_starts[static_cast<std::size_t>(block)];
    Bytes bytes(begin + from, begin + to);
    // A damaged block: its first payload byte changed, its checksum not.
    if (block == m_options.faults.damageBlock && from <= 1 && to > 1 &&
        m_memory.blockLengths[static_cast<std::size_t>(block)] > 2)
        bytes[static_cast<std::size_t>(1 - from)] ^= 0x10;
    return bytes;
}

CloneSender::Progress CloneSender::advance(double now)
{
    if (!m_line.idle())
        return Progress::None;
    const Faults& faults = m_options.faults;
    const int block = m_block;
    const int length = m_memory.blockLengths[static_cast<std::size_t>(block)];
    const int half = std::max(1, length / 2);
    switch (m_step) {
    case Step::Start:
        if (now < m_at)
            return Progress::None;
        if (block == faults.pauseInBlock || block == faults.stopInBlock || block == faults.hangUpInBlock) {
            m_line.send(now, blockBytes(block, 0, half));
            m_step = Step::FirstHalf;
        } else {
            m_line.send(now, blockBytes(block, 0, length));
            m_step = Step::Whole;
        }
        return Progress::Moved;
    case Step::FirstHalf:
        if (block == faults.hangUpInBlock) {
            // A moment for the tool to take the half block: a hang-up throws
            // away whatever still waits in the line.
            m_at = std::max(m_line.freeAt(), now) + kHangUpAfter;
            m_step = Step::HangingUp;
        } else if (block == faults.stopInBlock) {
            return Progress::FellSilent;
        } else {
            m_at = std::max(m_line.freeAt(), now) + faults.pauseSeconds;
            m_step = Step::Pausing;
        }
        return Progress::Moved;
    case Step::HangingUp:
        if (now < m_at)
            return Progress::None;
        return Progress::HangUp;
    case Step::Pausing:
        if (now < m_at)
            return Progress::None;
        m_line.send(now, blockBytes(block, half, length));
        m_step = Step::Whole;
        return Progress::Moved;
    case Step::Whole:
        if (block == faults.stopAfterBlock)
            return Progress::FellSilent;
        m_step = Step::WaitAck;
        return Progress::Moved;
    case Step::WaitAck:
        return Progress::None;
    }
    return Progress::None;
}

double CloneSender::deadline(double now) const
{
    if (!m_line.idle())
        return kNever;
    switch (m_step) {
    case Step::Start:
    case Step::Pausing:
    case Step::HangingUp:
        return m_at;
    case Step::FirstHalf:
    case Step::Whole:
        return now;
    case Step::WaitAck:
        return kNever;
    }
    return kNever;
}

CloneSender::Answer CloneSender::take(std::uint8_t byte, double at)
{
    if (byte != 0x06 || m_step != Step::WaitAck)
        return Answer::Ignored;
    const bool whole = m_block + 1 == blockCount();
    m_seen.acknowledged(whole);
    if (whole)
        return m_options.faults.hangUpAtEnd ? Answer::WholeThenHangUp : Answer::Whole;
    ++m_block;
    m_step = Step::Start;
    m_at = at + m_options.blockDelay;
    if (m_block == m_options.faults.pauseBeforeBlock)
        m_at += m_options.faults.pauseSeconds;
    return Answer::NextBlock;
}

} // namespace ft817::sim
