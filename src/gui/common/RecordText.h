#pragma once

#include <QString>
#include <string>

// Record texts are bytes kept as they are; the dialogs show them as text.
QString ToShownText(const std::string& bytes);
// The text as the user left it. A text the user did not change gives back the
// original bytes, even where they were not valid UTF-8.
std::string FromEditedText(const QString& text, const std::string& original);
