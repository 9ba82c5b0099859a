#include "support/temp_dir.h"

#include <cstdlib>
#include <stdexcept>

namespace ft817::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ft817-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace ft817::test
