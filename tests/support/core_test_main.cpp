// The main() of the test programs of the layers without Qt. The user's data
// and settings folders are a temporary folder of the program's own, so no
// test ever reads or writes the real ones.

#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

void setVariable(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    const ft817::test::TempDir home;
    setVariable("XDG_DATA_HOME", home.file("data"));
    setVariable("XDG_CONFIG_HOME", home.file("config"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
