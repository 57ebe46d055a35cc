#pragma once

#include <QString>
#include <string>
#include <string_view>

// A stored text as the user sees it (bytes that are not UTF-8 read as Latin-1).
QString DisplayText(std::string_view bytes);
// What the user typed, as it is stored: UTF-8.
std::string StoredText(const QString& text);
