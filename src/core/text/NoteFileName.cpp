#include "core/text/NoteFileName.h"

#include <cctype>

namespace quill {

namespace {

// Long enough to recognise the note by, short enough for any file system.
constexpr std::size_t kMostNameBytes = 40;

bool Refused(unsigned char c) {
    return c < 0x20 || c == 0x7f ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

bool EndsWithTxt(std::string_view name) {
    if (name.size() < 4) {
        return false;
    }
    std::string end(name.substr(name.size() - 4));
    for (char& c : end) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return end == ".txt";
}

} // namespace

std::string ProposedNoteFileName(std::string_view note) {
    std::string name;
    std::size_t start = 0;
    while (name.empty() && start < note.size()) {
        const std::size_t end = std::min(note.find('\n', start), note.size());
        for (const char c : note.substr(start, end - start)) {
            const bool space = c == ' ' || c == '\t' || Refused(static_cast<unsigned char>(c));
            // Runs of spaces and refused characters become one space.
            if (!space) {
                name += c;
            } else if (!name.empty() && name.back() != ' ') {
                name += ' ';
            }
        }
        start = end + 1;
    }
    if (name.size() > kMostNameBytes) {
        std::size_t cut = kMostNameBytes;
        // Never in the middle of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    // Trailing spaces and dots make names some systems refuse or hide.
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        name.pop_back();
    }
    if (name.empty()) {
        name = "Note";
    }
    return EndsWithTxt(name) ? name : name + ".txt";
}

} // namespace quill
