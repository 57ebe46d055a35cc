#include "common/RecordText.h"

#include "text/Utf8.h"

QString ToShownText(const std::string& bytes) {
    const std::string text = quill::DisplayUtf8(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromEditedText(const QString& text, const std::string& original) {
    if (text == ToShownText(original)) {
        return original;
    }
    return text.toStdString();
}
