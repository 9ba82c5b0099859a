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

// A negative number ("-1", "-5.5") is a value, never an option: no command has
// an option named by a digit. Such an argument is handed to the parser behind
// this mark, which no option starts with, and taken off again when read.
const QChar kNumberMark(0xE000);

bool isNegativeNumber(const QString& arg)
{
    return arg.size() >= 2 && arg[0] == u'-' && arg[1].isDigit();
}

QString unmarked(QString arg)
{
    if (arg.size() >= 3 && arg[0] == kNumberMark && isNegativeNumber(arg.sliced(1)))
        arg.remove(0, 1);
    return arg;
}

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
    for (const std::string& arg : args) {
        const QString text = QString::fromStdString(arg);
        arguments << (isNegativeNumber(text) ? kNumberMark + text : text);
    }
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
    return unmarked(m_parser.value(name)).toStdString();
}

std::vector<std::string> CommandLine::files() const
{
    std::vector<std::string> files;
    for (const QString& file : m_parser.positionalArguments())
        files.push_back(corePath(unmarked(file)));
    return files;
}

int CommandLine::usageError(const std::string& why) const
{
    if (m_oneLineErrors) {
        // The parser's sentences end with a full stop; here the pointer to --help follows.
        const std::string reason = !why.empty() && why.back() == '.' ? why.substr(0, why.size() - 1) : why;
        commandMessage(m_command, reason + " (see ft817clone " + m_command + " --help)");
    } else {
        commandMessage(m_command, why, "\n" + m_usage);
    }
    return kUsageExit;
}

int CommandLine::failure(const std::string& why) const
{
    return commandFailure(m_command, why);
}

void commandMessage(std::string_view command, std::string_view what, std::string_view after)
{
    std::string text = "ft817clone";
    if (!command.empty())
        text.append(" ").append(command);
    text.append(": ").append(what).append("\n").append(after);
    std::cerr << text << std::flush;
}

int commandFailure(std::string_view command, std::string_view why)
{
    commandMessage(command, why);
    return kFailedExit;
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
    commandMessage(command, "cannot write to standard output" +
                                (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
    return kOutputFailedExit;
}

} // namespace ft817
