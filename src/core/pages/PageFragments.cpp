#include "core/pages/PageFragments.h"

namespace quill {

void AppendPageHead(std::string& out, std::string_view addWord) {
    out += "<html>"
           "<BODY text=#333333 bottomMargin=0 vLink=#003399 link=#003399 bgColor=#ffffff "
           "background = back.gif  "
           "leftMargin=0 topMargin=0 rightMargin=0 marginwidth=0 marginheight=0 > "
           "<LINK href=2.css type=text/css rel=stylesheet> "
           "<style TYPE=text/css>\t<!--A:link { color: #003399 } A:visited { color: #003399 } "
           "A:active { color: #003399 } A:hover { color: #003399 } .nodecor { text-decoration: "
           "none;} --></style>"
           "<table width = 100% cellSpacing=0 cellPadding=0 background = p.gif><tr>"
           "<td width = 15 bgColor=#e9f0fc><img src = grip.gif border = 0></td>"
           "<td width = 20 background = menu_back.gif vAlign=center>"
           "<a href = \"";
    out += addWord;
    out += "\" class = nodecor><img src = plus.gif valign = center border = 0></a>"
           "<td width = 80 background = menu_back.gif valign = center> &nbsp;&nbsp;&nbsp;"
           "<a href = \"";
    out += addWord;
    out += "\" class = nodecor vAlign=center>";
    out += addWord;
    out += "</a></td>"
           "</td><td><img src = right.gif></td>"
           "</tr></table><br>";
}

void AppendColourStrip(std::string& out, std::size_t i) {
    static constexpr std::string_view kStrips[] = {
        "<table width = 100% cellSpacing=0 cellPadding=0><tr><td width = 4 "
        "BGCOLOR=\"#A2B5D3\"> </td><td>",
        "<table width = 100% cellSpacing=0 cellPadding=0><tr><td width = 4 "
        "BGCOLOR=\"#FFCC66\"> </td><td>",
        "<table width = 100% cellSpacing=0 cellPadding=0><tr><td width = 4 "
        "background = redp.gif> </td><td>",
    };
    out += kStrips[i % 3];
}

} // namespace quill
