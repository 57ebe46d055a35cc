#pragma once

#include <string>
#include <string_view>

namespace quill {

// Appends a record text to a page so that it shows as the text it is and can
// never open markup: "<", ">" and '"' become entities, and "&" becomes "&amp;"
// unless it already starts a well-formed character reference ("&name;",
// "&#123;", "&#x7B;"), which stays as it is so that stored addresses holding
// "&amp;" keep working.
void AppendHtmlEscaped(std::string& out, std::string_view text);

std::string HtmlEscaped(std::string_view text);

} // namespace quill
