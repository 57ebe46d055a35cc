#pragma once

#include "core/pages/HtmlEscape.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The fixed pieces that the links page and the tasks page share. The pages are
// one stream of fragments with nothing between them; browsers and stored pages
// rely on them as they are, odd attributes included.

// The head: body, style sheet and the top bar whose two anchors carry addWord
// ("Add link", "Add task").
void AppendPageHead(std::string& out, std::string_view addWord);

// The coloured strip at the left of record i: blue-grey, amber, the red
// pattern, then round again.
void AppendColourStrip(std::string& out, std::size_t i);

inline constexpr std::string_view kBlockBackground =
    "<table width = 100% cellSpacing=0 cellPadding=0 background = p.gif><tr><td>";

// A one-pixel rule: the table, then its closing.
inline constexpr std::string_view kRuleOpen =
    " <table aligh=right BORDER=0 CELLSPACING=0 CELLPADDING=0 COLS=1 WIDTH=\"100%\" height=1 "
    "BGCOLOR=\"#A2B5D3\" style=\"BORDER-COLLAPSE: collapse\" borderColor=\"#A2B5D3\"> ";
inline constexpr std::string_view kRuleClose = " <tr><td></td></tr></table> </right> ";

// The action row's small "Tasks:" label cell, followed by its anchors.
inline constexpr std::string_view kActionRowOpen =
    "<table CELLSPACING=0 CELLPADDING=0 border = 0 ><tr><td height = 10 width = 40 style= "
    "\"BORDER-RIGHT: #A2B5D3 1px solid; BORDER-BOTTOM: #A2B5D3 1px solid;\" bgcolor = #F5F8FA "
    "valign = center ><font size = 1>&nbsp;&nbsp;Tasks: &nbsp;</font> </td><td  >&nbsp;&nbsp;"
    "<font size = 1>&nbsp;";
inline constexpr std::string_view kActionRowClose = "</font><td></tr></table></font>";

// The padded cell that shows a record's comment.
inline constexpr std::string_view kCommentOpen =
    "<table CELLSPACING=0 CELLPADDING=4 width = 100% border = 0 ><tr><td height = 10 width = 98% "
    "background = back.gif valign = top ><font size = 1>";
inline constexpr std::string_view kCommentClose = "&nbsp;</font> </td></tr></table></font>";

inline constexpr std::string_view kBlockClose = "</td></tr></table></td></tr></table><br>";

inline constexpr std::string_view kPageTail = "</td></tr></table></html>";

// One record's block: its colour strip, the action row with the record's
// anchors, what body appends (the record's own fields) and its comment.
template <typename AppendAnchors, typename AppendBody>
void AppendRecordBlock(std::string& out, std::size_t i, AppendAnchors anchors, AppendBody body,
                       std::string_view comment) {
    AppendColourStrip(out, i);
    out += kBlockBackground;
    out += kRuleOpen;
    out += kRuleClose;
    out += kActionRowOpen;
    anchors(out);
    out += kActionRowClose;
    out += kRuleOpen;
    out += kRuleClose;
    body(out);
    out += kCommentOpen;
    AppendHtmlEscaped(out, comment);
    out += kCommentClose;
    out += kBlockClose;
}

// A whole page: the head with its add command, one block per record (each
// told its position), the tail. A block is about 2 KB of fixed markup, so the
// usual page needs one allocation.
template <typename Record, typename AppendBlock>
std::string WriteRecordsPage(const std::vector<Record>& records, std::string_view addWord,
                             AppendBlock appendBlock) {
    std::string page;
    page.reserve(1200 + records.size() * 2300);
    AppendPageHead(page, addWord);
    for (std::size_t i = 0; i < records.size(); ++i) {
        appendBlock(page, records[i], i);
    }
    page += kPageTail;
    return page;
}

} // namespace quill
