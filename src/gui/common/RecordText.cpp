#include "common/RecordText.h"

QString ToShownText(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

std::string FromEditedText(const QString& text, const std::string& original) {
    if (text == ToShownText(original)) {
        return original;
    }
    return text.toStdString();
}
