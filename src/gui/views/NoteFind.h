#pragma once

#include "core/find/FindMatch.h"

class QPlainTextEdit;
class QString;

// Finds text in the note: selects the match the step lands on and scrolls to
// it. Without a match the selection shrinks to its start, so that correcting
// the text searches on from there.
quill::FindCount FindInNote(QPlainTextEdit& note, const QString& text, bool matchCase,
                            quill::FindStep step);
