#include "sim/pseudo_terminal.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ft817::sim {
namespace {

Error systemError(const std::string& what, int error)
{
    return Error{what + ": " + std::strerror(error), {}};
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    close();
}

Status PseudoTerminal::open()
{
    close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return systemError("cannot create a pseudo-terminal", errno);
    // Raw at once: settings made on the master are the slave's line settings,
    // so no byte is echoed back or translated before the tool sets its own.
    termios settings{};
    if (::tcgetattr(master, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        ::tcsetattr(master, TCSANOW, &settings);
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        const int error = errno;
        ::close(master);
        return systemError("cannot unlock the pseudo-terminal", error);
    }
    char name[PATH_MAX] = {};
    if (::ptsname_r(master, name, sizeof name) != 0) {
        const int error = errno;
        ::close(master);
        return systemError("cannot name the pseudo-terminal", error);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    m_master = master;
    m_slavePath = name;
    return {};
}

void PseudoTerminal::close()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

namespace {

// Where linkPath points, or empty when it is no symbolic link.
std::string linkTarget(const std::string& linkPath)
{
    char buffer[PATH_MAX] = {};
    const ssize_t length = ::readlink(linkPath.c_str(), buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

} // namespace

Status pointSymlink(const std::string& linkPath, const std::string& target, const std::string& previousTarget)
{
    struct stat info {};
    const bool exists = ::lstat(linkPath.c_str(), &info) == 0;
    if (previousTarget.empty() && exists)
        return Error{"refusing to use " + linkPath + " for the link: something is there already",
                     "The simulated radio replaces nothing it did not make. Choose another path for --link, "
                     "or remove that one yourself if it is a link left behind."};
    if (!previousTarget.empty() && exists && linkTarget(linkPath) != previousTarget)
        return Error{"refusing to repoint " + linkPath + ": it no longer is the simulated radio's link", {}};
    // A fresh name next to the link (never one that exists), then renamed over it.
    std::string temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = linkPath + ".ft817sim-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        if (::symlink(target.c_str(), temporary.c_str()) == 0)
            break;
        if (errno != EEXIST || attempt >= 100)
            return systemError("cannot make the link " + linkPath, errno);
    }
    if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemError("cannot make the link " + linkPath, error);
    }
    return {};
}

void removeSymlinkTo(const std::string& linkPath, const std::string& target)
{
    if (linkTarget(linkPath) == target)
        ::unlink(linkPath.c_str());
}

} // namespace ft817::sim
