#include "common/DisplayText.h"

#include "text/Utf8.h"

QString DisplayText(std::string_view bytes) {
    const std::string text = quill::DisplayUtf8(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string StoredText(const QString& text) {
    return text.toStdString();
}
