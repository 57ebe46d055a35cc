#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quill::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(std::string_view name) const { return (m_path / name).string(); }

    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;
    // Names of everything in the folder, sorted.
    std::string Listing() const;

private:
    std::filesystem::path m_path;
};

} // namespace quill::test
