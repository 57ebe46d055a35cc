#include "core/pages/LinksPage.h"

#include "core/pages/HtmlEscape.h"
#include "core/pages/PageFragments.h"
#include "core/text/Utf8.h"

#include <cctype>

namespace quill {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void AppendLinkBlock(std::string& out, const LinkRecord& link, std::size_t i) {
    const std::string index = std::to_string(i);
    auto anchors = [&index](std::string& row) {
        row.append("<a href = \"Edit link|")
            .append(index)
            .append("\" class = nodecor>Edit</a>&nbsp ");
        row.append("<a href = \"Delete link|")
            .append(index)
            .append("\" class = nodecor>Delete</a>&nbsp ");
        row.append("<a href = \"Add link task|")
            .append(index)
            .append("\" class = nodecor>Add task</a>");
    };
    auto address = [&link](std::string& body) {
        body += "<table CELLSPACING=0 CELLPADDING=0 width = 100% border = 0 ><tr><td height = 10 "
                "width = 98% style= \"BORDER-RIGHT: #A2B5D3 1px solid; BORDER-BOTTOM: #A2B5D3 1px "
                "solid;\" bgcolor = #F5F8FA valign = center ><font size = 1>&nbsp;&nbsp;";
        body += "<a target=blank class = nodecor href = \"";
        AppendHtmlEscaped(body, LinkTarget(link.m_address));
        body += "\">";
        const ShownAddressText shown = ShownAddress(link.m_address);
        AppendHtmlEscaped(body, shown.text);
        body += shown.shortened ? "...</a>" : "</a>";
        body += "&nbsp;</font> </td></tr></table></font>";
    };
    AppendRecordBlock(out, i, anchors, address, link.m_comment);
}

} // namespace

std::string LinkTarget(std::string_view address) {
    if (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://")) {
        return std::string(address);
    }
    std::string target = "http://";
    target += address;
    return target;
}

ShownAddressText ShownAddress(std::string_view address) {
    ShownAddressText shown{DisplayUtf8(address)};
    std::size_t characters = 0;
    for (std::size_t i = 0; i < shown.text.size(); ++i) {
        if (IsUtf8Continuation(shown.text[i])) {
            continue;
        }
        if (characters == kShownAddressCharacters) {
            shown.text.resize(i);
            shown.shortened = true;
            break;
        }
        ++characters;
    }
    return shown;
}

std::string WriteLinksPage(const std::vector<LinkRecord>& links) {
    return WriteRecordsPage(links, "Add link", AppendLinkBlock);
}

} // namespace quill
