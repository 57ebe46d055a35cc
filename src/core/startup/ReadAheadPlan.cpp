#include "core/startup/ReadAheadPlan.h"

#include "core/startup/ElfLinks.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <set>
#include <system_error>

namespace quill {
namespace {

namespace fs = std::filesystem;

// Not linked but opened by the engine as it starts (sound, devices), each
// with libraries of its own.
constexpr const char* kOpenedByEngine[] = {"libpulse.so.0", "libudev.so.1"};

// Read on the first page; the developer tools' strings (7 MB) are not.
constexpr const char* kResources[] = {
    "qtwebengine_resources.pak",      "qtwebengine_resources_100p.pak",
    "qtwebengine_resources_200p.pak", "icudtl.dat",
    "v8_context_snapshot.bin",        "snapshot_blob.bin"};

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start) {
            parts.push_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::string ExpandOrigin(std::string folder, const fs::path& file) {
    const std::string origin = file.parent_path().string();
    for (const std::string name : {"${ORIGIN}", "$ORIGIN"}) {
        for (auto at = folder.find(name); at != std::string::npos; at = folder.find(name, at)) {
            folder.replace(at, name.size(), origin);
            at += origin.size();
        }
    }
    return folder;
}

// Follows the links from the roots, as the loader would, leaving out what the
// program has loaded already (and so what that in turn brought in).
class LibraryWalk {
public:
    explicit LibraryWalk(const LibrarySearch& search) : m_search(search) {
        for (const std::string& path : search.loaded) {
            m_loadedNames.insert(fs::path(path).filename().string());
        }
    }

    void Add(const fs::path& file) {
        std::error_code error;
        const fs::path real = fs::canonical(file, error);
        if (!error && m_seen.insert(real.string()).second) {
            m_order.push_back(file);
            m_queue.push_back(file);
        }
    }

    void AddByName(const std::string& name, const std::string& runPath, const fs::path& from) {
        if (name.find('/') != std::string::npos) {
            Add(name);
            return;
        }
        if (m_loadedNames.count(name) != 0) {
            return;
        }
        std::vector<std::string> folders;
        for (const std::string& folder : Split(runPath)) {
            folders.push_back(ExpandOrigin(folder, from));
        }
        folders.insert(folders.end(), m_search.folders.begin(), m_search.folders.end());
        for (const std::string& folder : folders) {
            if (const fs::path candidate = fs::path(folder) / name; IsFile(candidate)) {
                Add(candidate);
                return;
            }
        }
    }

    // Reads each file's links in turn, nearest first.
    void Follow() {
        while (!m_queue.empty()) {
            const fs::path file = m_queue.front();
            m_queue.pop_front();
            if (const auto links = ReadElfLinks(file.string())) {
                for (const std::string& name : links->needed) {
                    AddByName(name, links->runPath, file);
                }
            }
        }
    }

    const std::vector<fs::path>& Order() const { return m_order; }

private:
    const LibrarySearch& m_search;
    std::set<std::string> m_loadedNames;
    std::set<std::string> m_seen;
    std::vector<fs::path> m_order;
    std::deque<fs::path> m_queue;
};

// The engine takes "de-DE.pak" if there is one, else "de.pak", else its
// English strings.
fs::path LocaleStrings(const std::string& folder, std::string locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    std::replace(locale.begin(), locale.end(), '_', '-');
    std::vector<std::string> names;
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        names = {locale, locale.substr(0, locale.find('-'))};
    }
    names.push_back("en-US");
    for (const std::string& name : names) {
        if (const fs::path candidate = fs::path(folder) / (name + ".pak"); IsFile(candidate)) {
            return candidate;
        }
    }
    return {};
}

} // namespace

std::vector<FileToRead> PlanEngineReadAhead(const EngineLayout& layout, const LibrarySearch& search,
                                            std::uint64_t memoryAvailable) {
    LibraryWalk walk(search);
    walk.Add(layout.plugin);
    walk.Follow();
    for (const char* name : kOpenedByEngine) {
        walk.AddByName(name, {}, {});
    }
    walk.Follow();

    std::vector<fs::path> files = walk.Order();
    for (const char* name : kResources) {
        files.push_back(fs::path(layout.resourcesFolder) / name);
    }
    files.push_back(LocaleStrings(layout.localesFolder, layout.locale));
    files.push_back(layout.helperProgram);

    std::vector<FileToRead> plan;
    std::uint64_t budget = memoryAvailable / 4;
    for (const fs::path& file : files) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file, error);
        if (!error && IsFile(file) && size <= budget) {
            plan.push_back({file.string(), size});
            budget -= size;
        }
    }
    return plan;
}

} // namespace quill
