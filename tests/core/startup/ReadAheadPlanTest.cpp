#include "core/startup/ReadAheadPlan.h"
#include "core/startup/ElfLinks.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <tuple>

namespace quill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

// A minimal 64-bit little-endian shared library naming its links.
std::string FakeLibrary(const std::vector<std::string>& needed, const std::string& runPath = {}) {
    std::string strings(1, '\0');
    std::vector<std::pair<std::uint64_t, std::uint64_t>> dynamic;
    auto name = [&](std::uint64_t tag, const std::string& text) {
        dynamic.emplace_back(tag, strings.size());
        strings += text + '\0';
    };
    for (const std::string& library : needed) {
        name(1, library);
    }
    if (!runPath.empty()) {
        name(29, runPath);
    }
    const std::uint64_t dynamicAt = 64 + 2 * 56;
    const std::uint64_t stringsAt = dynamicAt + (dynamic.size() + 3) * 16;
    dynamic.insert(dynamic.end(), {{5, stringsAt}, {10, strings.size()}, {0, 0}});
    std::string elf("\177ELF\2\1\1", 7);
    elf.resize(16, '\0');
    auto put = [&elf](std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            elf += static_cast<char>(value >> (8 * i));
        }
    };
    // The file header, then a load and a dynamic program header (type and flags
    // share their first eight bytes).
    const int widths[] = {2, 2, 4, 8, 8, 8, 4, 2, 2, 2, 2, 2, 2};
    const std::uint64_t header[] = {3, 62, 1, 0, 64, 0, 0, 64, 56, 2, 64, 0, 0};
    for (int i = 0; i < 13; ++i) {
        put(header[i], widths[i]);
    }
    const std::uint64_t end = stringsAt + strings.size();
    for (auto [type, at, size] : {std::tuple{std::uint64_t{1}, std::uint64_t{0}, end},
                                  std::tuple{std::uint64_t{2}, dynamicAt, dynamic.size() * 16}}) {
        for (std::uint64_t value : {type, at, at, at, size, size, std::uint64_t{0}}) {
            put(value, 8);
        }
    }
    for (auto [tag, value] : dynamic) {
        put(tag, 8);
        put(value, 8);
    }
    return elf + strings;
}

TEST(ElfLinks, ReadsRealAndFakeLibrariesAndNothingOutsideADamagedOne) {
    const auto self = ReadElfLinks("/proc/self/exe");
    ASSERT_TRUE(self);
    EXPECT_THAT(self->needed, ::testing::Contains("libc.so.6"));

    test::TempFolder folder;
    const std::string library = FakeLibrary({"libone.so.1", "libtwo.so"}, "$ORIGIN/private");
    folder.Write("whole.so", library);
    const auto links = ReadElfLinks(folder.File("whole.so"));
    ASSERT_TRUE(links);
    EXPECT_THAT(links->needed, ElementsAre("libone.so.1", "libtwo.so"));
    EXPECT_EQ(links->runPath, "$ORIGIN/private");

    for (std::size_t length = 0; length < library.size(); length += 3) {
        folder.Write("cut.so", library.substr(0, length));
        const auto cut = ReadElfLinks(folder.File("cut.so"));
        EXPECT_TRUE(length >= 64 || !cut) << length; // not even the file's header
        if (cut) {
            EXPECT_THAT(links->needed, IsSupersetOf(cut->needed)) << length;
        }
    }
    folder.Write("text.so", "INPUT(libc.so.6)\n");
    EXPECT_FALSE(ReadElfLinks(folder.File("text.so")));
}

TEST(ReadAheadPlan, FollowsLinksOnceSkipsWhatIsLoadedAndStaysWithinMemory) {
    test::TempFolder folder;
    for (const char* sub : {"plugins", "private", "lib", "resources", "locales"}) {
        std::filesystem::create_directory(folder.Path() / sub);
    }
    folder.Write("plugins/pages.so",
                 FakeLibrary({"libengine.so", "libc.so.6"}, "$ORIGIN/../private"));
    folder.Write("private/libengine.so", FakeLibrary({"libdep.so", "libc.so.6"}));
    folder.Write("lib/libdep.so", FakeLibrary({"libengine.so", "libmissing.so"}));
    folder.Write("lib/libpulse.so.0", FakeLibrary({}));
    folder.Write("resources/qtwebengine_resources.pak", std::string(4000, 'r'));
    folder.Write("resources/qtwebengine_devtools_resources.pak", "d");
    folder.Write("locales/de.pak", "de");
    folder.Write("locales/en-US.pak", "en");
    folder.Write("helper", "h");
    EngineLayout layout{folder.File("plugins/pages.so"), folder.File("resources"),
                        folder.File("locales"), "de_DE.UTF-8", folder.File("helper")};
    const LibrarySearch search{{"/usr/lib/libc.so.6"}, {folder.File("lib")}};

    auto paths = [&](std::uint64_t memory) {
        std::vector<std::string> names;
        for (const FileToRead& file : PlanEngineReadAhead(layout, search, memory)) {
            names.push_back(std::filesystem::relative(file.path, folder.Path()).string());
            EXPECT_EQ(file.size, std::filesystem::file_size(file.path));
        }
        return names;
    };
    EXPECT_THAT(paths(1 << 20),
                ElementsAre("plugins/pages.so", "private/libengine.so", "lib/libdep.so",
                            "lib/libpulse.so.0", "resources/qtwebengine_resources.pak",
                            "locales/de.pak", "helper"));
    // Too large for a quarter of the memory: left out, the smaller files after it kept.
    EXPECT_THAT(paths(4 * 3000),
                ElementsAre("plugins/pages.so", "private/libengine.so", "lib/libdep.so",
                            "lib/libpulse.so.0", "locales/de.pak", "helper"));
    layout.locale = "C.UTF-8";
    EXPECT_THAT(paths(1 << 20), ::testing::Contains("locales/en-US.pak"));
}

} // namespace
} // namespace quill
