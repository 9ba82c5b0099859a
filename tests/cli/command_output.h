#pragma once
// A subcommand run in this process with its standard output and error caught.

#include "cli/commands.h"

#include <iostream>
#include <sstream>
#include <string>

namespace ft817::test {

struct CommandOutput {
    int code;
    std::string out;
    std::string err;
};

inline CommandOutput runCommand(int (*command)(const Arguments&), const Arguments& args)
{
    std::ostringstream out, err;
    auto* oldOut = std::cout.rdbuf(out.rdbuf());
    auto* oldErr = std::cerr.rdbuf(err.rdbuf());
    const int code = command(args);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {code, out.str(), err.str()};
}

} // namespace ft817::test
