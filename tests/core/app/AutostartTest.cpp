#include "app/Autostart.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quill {
namespace {

using test::TempFolder;

std::string ExecLine(const std::string& text) {
    const auto start = text.find("\nExec=") + 1;
    return text.substr(start, text.find('\n', start) - start);
}

TEST(Autostart, ExecLineQuotesAndEscapesTheProgramPath) {
    struct Case {
        const char* program;
        const char* exec;
    };
    for (const Case& c : {
             Case{"/usr/bin/quillmark", "Exec=/usr/bin/quillmark"},
             Case{"/opt/my apps/quillmark", R"(Exec="/opt/my apps/quillmark")"},
             Case{"/opt/100%/quillmark", "Exec=/opt/100%%/quillmark"},
             Case{R"(/opt/a"b$c\d/quillmark)", R"(Exec="/opt/a\\"b\\$c\\\\d/quillmark")"},
         }) {
        EXPECT_EQ(ExecLine(AutostartEntryText(c.program, "")), c.exec) << c.program;
    }
}

TEST(Autostart, OnWritesTheEntryMakingItsFolderOffRemovesIt) {
    TempFolder home;
    const std::string path = AutostartFilePath(home.Path().string(), "relative/ignored");
    EXPECT_EQ(path, home.File(".config/autostart/quillmark.desktop"));

    EXPECT_FALSE(IsAutostartOn(path));
    ASSERT_TRUE(SetAutostart(path, true, "[Desktop Entry]\n"));
    EXPECT_TRUE(IsAutostartOn(path));
    EXPECT_EQ(home.Read(".config/autostart/quillmark.desktop"), "[Desktop Entry]\n");
    ASSERT_TRUE(SetAutostart(path, false, ""));
    EXPECT_FALSE(IsAutostartOn(path));
    EXPECT_TRUE(SetAutostart(path, false, "")); // already off

    home.Write("config", "a file where the folder should be");
    EXPECT_FALSE(SetAutostart(AutostartFilePath("/", home.File("config")), true, "x"));
}

} // namespace
} // namespace quill
