#include "support/temp_dir.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace ft817::test {

TempDir::TempDir()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / ("ft817-test-" + std::to_string(random() % 100000000));
        // create_directory answers false when the name is taken, so two tests never share a folder.
        if (std::filesystem::create_directory(candidate)) {
            std::error_code ignored;
            std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, ignored);
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

TemporaryFolderOverride::TemporaryFolderOverride(const std::string& folder)
{
    for (const char* name : kNames) {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setVariable(name, folder);
    }
}

TemporaryFolderOverride::~TemporaryFolderOverride()
{
    for (const auto& [name, value] : m_saved) {
        if (value)
            setVariable(name, *value);
        else
            unsetVariable(name);
    }
}

void TemporaryFolderOverride::setVariable(const std::string& name, const std::string& value)
{
#ifdef _WIN32
    ::_putenv_s(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

void TemporaryFolderOverride::unsetVariable(const std::string& name)
{
#ifdef _WIN32
    ::_putenv_s(name.c_str(), "");
#else
    ::unsetenv(name.c_str());
#endif
}

} // namespace ft817::test
