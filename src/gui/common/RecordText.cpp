#include "common/RecordText.h"

#include "common/DisplayText.h"

QString ToShownText(const std::string& bytes) {
    return DisplayText(bytes);
}

std::string FromEditedText(const QString& text, const std::string& original) {
    if (text == ToShownText(original)) {
        return original;
    }
    return StoredText(text);
}
