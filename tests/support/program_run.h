#pragma once
// Running the built ft817clone as a user runs it, for tests of its commands:
//
//   const test::ProgramRun run = test::runProgram({"show", file});
//   EXPECT_EQ(run.exitCode, 0) << run.err;

#include <QProcessEnvironment>
#include <QStringList>
#include <string>

namespace ft817::test {

// The path of the built program.
QString programPath();

struct ProgramRun {
    // The exit code; -1 when the program crashed or did not end in time.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments and waits until it ends. One that has
// not ended within the deadline is killed and reported as a test failure.
ProgramRun runProgram(const QStringList& arguments, double timeoutSeconds = 60.0);
// The same in the given environment (for a user's locale, for example).
ProgramRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment,
                      double timeoutSeconds = 60.0);

// This test program's environment with a German user's locale (decimal comma):
// LANG and LC_ALL de_DE.UTF-8.
QProcessEnvironment germanEnvironment();

} // namespace ft817::test
