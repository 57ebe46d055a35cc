#include "gui/common/RecordText.h"

#include "core/text/Utf8.h"
#include "gui/common/Utf8View.h"

QString ToShownText(const std::string& bytes) {
    return FromUtf8View(quill::DisplayUtf8(bytes));
}

std::string FromEditedText(const QString& text, const std::string& original) {
    if (text == ToShownText(original)) {
        return original;
    }
    return text.toStdString();
}
