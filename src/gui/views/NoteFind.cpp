#include "gui/views/NoteFind.h"

#include <QPlainTextEdit>
#include <vector>

quill::FindCount FindInNote(QPlainTextEdit& note, const QString& text, bool matchCase,
                            quill::FindStep step) {
    // The plain text keeps one character per document position, so indexes
    // into it are cursor positions.
    const QString noteText = note.document()->toPlainText();
    std::vector<quill::TextSpan> matches;
    if (!text.isEmpty()) {
        const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        for (qsizetype at = noteText.indexOf(text, 0, sensitivity); at >= 0;
             at = noteText.indexOf(text, at + text.size(), sensitivity)) {
            const auto start = static_cast<std::size_t>(at);
            matches.push_back({start, start + static_cast<std::size_t>(text.size())});
        }
    }
    QTextCursor cursor = note.textCursor();
    const auto picked = quill::PickMatch(matches,
                                         {static_cast<std::size_t>(cursor.selectionStart()),
                                          static_cast<std::size_t>(cursor.selectionEnd())},
                                         step);
    if (!picked) {
        cursor.setPosition(cursor.selectionStart());
        note.setTextCursor(cursor);
        return {};
    }
    const quill::TextSpan& match = matches[*picked];
    cursor.setPosition(static_cast<int>(match.start));
    cursor.setPosition(static_cast<int>(match.end), QTextCursor::KeepAnchor);
    note.setTextCursor(cursor); // and scrolls it into view
    return {static_cast<int>(*picked) + 1, static_cast<int>(matches.size())};
}
