#include "support/TempFolder.h"

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace quill::test {

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillmark-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
    // Open to everyone, as folders usually are, so that permission tests can
    // take away exactly what they mean to.
    fs::permissions(m_path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Give back write permission first, in case a test took it away.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void TempFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(m_path / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::Read(std::string_view name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TempFolder::Listing() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path)) {
        names.insert(entry.path().filename().string());
    }
    std::string joined;
    for (const auto& name : names) {
        joined += name + "\n";
    }
    return joined;
}

} // namespace quill::test
