#include "cli/command_line.h"

#include "platform/qt_path.h"

#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace ft817 {

namespace {

const QString kHelp = QStringLiteral("help");

} // namespace

CommandLine::CommandLine(std::string command, std::string usage, bool oneLineErrors)
    : m_command(std::move(command)), m_usage(std::move(usage)), m_oneLineErrors(oneLineErrors)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
}

void CommandLine::addFlag(const QString& name)
{
    m_parser.addOption(QCommandLineOption(name));
}

void CommandLine::addValueOption(const QString& name, const QString& valueName)
{
    m_parser.addOption(QCommandLineOption(name, QString(), valueName));
}

std::optional<int> CommandLine::parse(const Arguments& args)
{
    QStringList arguments{QString::fromStdString("ft817clone " + m_command)};
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(kHelp)) {
        std::cout << m_usage;
        return 0;
    }
    if (!parsed)
        return usageError(m_parser.errorText().toStdString());
    return std::nullopt;
}

bool CommandLine::isSet(const QString& name) const
{
    return m_parser.isSet(name);
}

std::string CommandLine::value(const QString& name) const
{
    return m_parser.value(name).toStdString();
}

std::vector<std::string> CommandLine::files() const
{
    std::vector<std::string> files;
    for (const QString& file : m_parser.positionalArguments())
        files.push_back(corePath(file));
    return files;
}

int CommandLine::usageError(const std::string& why) const
{
    if (m_oneLineErrors) {
        // The parser's sentences end with a full stop; here the pointer to --help follows.
        const std::string reason = !why.empty() && why.back() == '.' ? why.substr(0, why.size() - 1) : why;
        std::cerr << "ft817clone " << m_command << ": " << reason << " (see ft817clone " << m_command
                  << " --help)\n";
    } else {
        std::cerr << "ft817clone " << m_command << ": " << why << "\n\n" << m_usage;
    }
    return kUsageExit;
}

int CommandLine::failure(const std::string& why) const
{
    std::cerr << "ft817clone " << m_command << ": " << why << "\n";
    return 1;
}

int finishStandardOutput(const std::string& command)
{
    errno = 0;
    std::cout.flush();
    // The C stream under std::cout holds bytes of its own until flushed.
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (written)
        return 0;
    const int error = errno;
    std::cerr << "ft817clone " << command << ": cannot write to standard output"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    return 1;
}

} // namespace ft817
