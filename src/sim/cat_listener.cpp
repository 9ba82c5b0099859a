#include "sim/cat_listener.h"

#include <algorithm>

namespace ft817::sim {

CatListener::CatListener(const RadioOptions& options, Bytes eeprom, SimLine& line, RadioObservations& seen)
    : m_options(options), m_line(line), m_seen(seen), m_responder(options.cat, std::move(eeprom))
{
}

bool CatListener::take(std::uint8_t byte, double at)
{
    m_bytes.push_back(byte);
    if (m_bytes.size() < 5)
        return false;
    CatResponder::Command command{};
    std::copy(m_bytes.begin(), m_bytes.end(), command.begin());
    m_bytes.clear();
    if (!answer(command, at))
        return false;
    m_seen.catCommand(command);
    if (m_options.onCatCommand)
        m_options.onCatCommand(command);
    return true;
}

// Hands the command to the responder; false when the radio could not make it
// out (sent at another rate than its CAT RATE). The answer starts after the
// command's last byte has crossed the line (at) and the radio has thought.
bool CatListener::answer(const CatResponder::Command& command, double at)
{
    CatResponder::Reply reply;
    {
        std::lock_guard lock(m_mutex);
        reply = m_responder.take(command, m_line.baudRate());
    }
    if (reply.fault)
        m_seen.catFault(reply.log);
    if (m_options.onCatLog && !reply.log.empty())
        m_options.onCatLog(reply.log);
    if (!reply.answer.empty())
        m_line.send(std::max(at, lineSeconds()) + m_responder.answerDelay(), std::move(reply.answer));
    return reply.heard;
}

void CatListener::answerAsLine(std::uint8_t byte, double at)
{
    if (m_options.cat.line == CatLine::Noise) {
        m_noise ^= m_noise << 13;
        m_noise ^= m_noise >> 17;
        m_noise ^= m_noise << 5;
        byte = static_cast<std::uint8_t>(m_noise >> 8);
    }
    m_line.send(at, Bytes{byte});
}

std::uint32_t CatListener::vfoFrequency() const
{
    std::lock_guard lock(m_mutex);
    return m_responder.vfoFrequency();
}

std::uint8_t CatListener::vfoMode() const
{
    std::lock_guard lock(m_mutex);
    return m_responder.vfoMode();
}

Bytes CatListener::eeprom() const
{
    std::lock_guard lock(m_mutex);
    return m_responder.eeprom();
}

} // namespace ft817::sim
