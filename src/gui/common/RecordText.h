#pragma once

#include <QString>
#include <string>

// The one conversion of record texts. Records are bytes kept as they are; the
// dialogs show them as text, bytes that are not UTF-8 read as Latin-1.
QString ToShownText(const std::string& bytes);
// The text as the user left it, stored as UTF-8. A text the user did not
// change gives back the original bytes, even where they were not valid UTF-8.
std::string FromEditedText(const QString& text, const std::string& original);
