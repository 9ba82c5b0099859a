#include "support/program_run.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace ft817::test {

QString programPath()
{
    return QStringLiteral(FT817_BINARY);
}

ProgramRun runProgram(const QStringList& arguments, double timeoutSeconds)
{
    return runProgram(arguments, QProcessEnvironment::systemEnvironment(), timeoutSeconds);
}

ProgramRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment,
                      double timeoutSeconds)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(programPath(), arguments);
    ProgramRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(static_cast<int>(timeoutSeconds * 1000))) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "ft817clone " << arguments.join(' ').toStdString() << " did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
#ifdef _WIN32
    // Windows ends the lines of text output with CR LF.
    for (std::string* text : {&run.out, &run.err})
        text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
#endif
    return run;
}

QProcessEnvironment germanEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANG", "de_DE.UTF-8");
    environment.insert("LC_ALL", "de_DE.UTF-8");
    return environment;
}

} // namespace ft817::test
