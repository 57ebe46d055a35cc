#include "common/RecordText.h"

#include "common/Utf8View.h"
#include "text/Utf8.h"

QString ToShownText(const std::string& bytes) {
    return FromUtf8View(quill::DisplayUtf8(bytes));
}

std::string FromEditedText(const QString& text, const std::string& original) {
    if (text == ToShownText(original)) {
        return original;
    }
    return text.toStdString();
}
