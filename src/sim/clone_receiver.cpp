#include "sim/clone_receiver.h"

#include "image/block_store.h"

#include <algorithm>

namespace ft817::sim {

CloneReceiver::CloneReceiver(const Memory& memory, const RadioOptions& options, SimLine& line,
                             RadioObservations& seen)
    : m_memory(memory), m_options(options), m_line(line), m_seen(seen)
{
}

void CloneReceiver::reset()
{
    m_block = 0;
    m_current.clear();
}

CloneReceiver::Taken CloneReceiver::take(std::uint8_t byte, double at)
{
    const Faults& faults = m_options.faults;
    const int k = m_block;
    const auto length = static_cast<std::size_t>(m_memory.blockLengths[static_cast<std::size_t>(k)]);
    if (k == 0 && m_current.empty())
        m_seen.uploadStarting();
    m_current.push_back(byte);
    if (k == faults.hangUpInBlock && m_current.size() == std::max<std::size_t>(1, length / 2))
        return Taken::HangUp;
    if (m_current.size() < length)
        return Taken::More;
    const Bytes block = std::exchange(m_current, {});
    if (block[0] != k || !BlockStore::checksumMatches(block))
        return Taken::More; // a damaged block: no answer; the radio still waits for block k
    const bool acknowledge = !faults.neverAcknowledge &&
                             !(faults.stopInBlock >= 0 && k >= faults.stopInBlock) &&
                             !(faults.stopAfterBlock >= 0 && k > faults.stopAfterBlock);
    if (acknowledge) {
        Bytes answer = faults.bytesBeforeAck;
        answer.push_back(0x06);
        if (faults.doubleAcknowledge)
            answer.push_back(0x06);
        m_line.send(at + m_options.ackDelay, std::move(answer));
    }
    const bool whole = ++m_block == static_cast<int>(m_memory.blockLengths.size());
    if (whole)
        m_block = 0;
    const Bytes upload = m_seen.blockTaken(block, whole);
    if (!whole)
        return Taken::More;
    if (m_options.onImageReceived)
        m_options.onImageReceived(upload);
    return Taken::Whole;
}

} // namespace ft817::sim
