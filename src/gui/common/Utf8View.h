#pragma once

#include <QString>
#include <string_view>

// The logic layer's text, UTF-8 and often a view into one of its tables, as Qt's.
inline QString FromUtf8View(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
