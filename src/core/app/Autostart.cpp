#include "core/app/Autostart.h"

#include "core/files/SafeFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quill {

namespace {

// A desktop entry's string value: backslash and line breaks are escaped.
std::string StringValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with '"', '`', '$' and '\' escaped inside the quotes; '%' is doubled so it is
// never read as a field code. The result is then a string value as well.
std::string ExecArgument(std::string_view argument) {
    const std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    bool quote = argument.find_first_of(reserved) != std::string_view::npos;
    std::string out;
    for (char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            out += '\\';
        }
        out += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return StringValue(quote ? "\"" + out + "\"" : out);
}

} // namespace

std::string AutostartFilePath(std::string_view home, std::string_view xdgConfigHome) {
    fs::path config = (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
                          ? fs::path(xdgConfigHome)
                          : fs::path(home) / ".config";
    return (config / "autostart" / "quillmark.desktop").lexically_normal().string();
}

std::string AutostartEntryText(std::string_view program, std::string_view workingFolder) {
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Quillmark\n"
                       "Comment=Notes, links and task reminders in the tray\n"
                       "Icon=quillmark\n"
                       "Exec=" +
                       ExecArgument(program) + " --hide\n";
    if (!workingFolder.empty()) {
        text += "Path=" + StringValue(workingFolder) + "\n";
    }
    text += "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n";
    return text;
}

bool SetAutostart(const std::string& path, bool on, std::string_view entryText) {
    std::error_code error;
    if (!on) {
        fs::remove(path, error);
        return !IsAutostartOn(path);
    }
    fs::create_directories(fs::path(path).parent_path(), error);
    return ReplaceFileContents(path, std::string(entryText));
}

bool IsAutostartOn(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

} // namespace quill
