#include "pages/TasksPage.h"

#include "pages/HtmlEscape.h"
#include "pages/PageFragments.h"

namespace quill {

namespace {

constexpr std::string_view kHalfCellOpen =
    "<td height = 10 width = 50% style= \"BORDER-RIGHT: #A2B5D3 1px solid; BORDER-BOTTOM: "
    "#A2B5D3 1px solid;\" bgcolor = #F5F8FA valign = center ><font size = 1>&nbsp;&nbsp;";

void AppendTaskBlock(std::string& out, const TaskRecord& task, std::size_t i) {
    const std::string index = std::to_string(i);
    AppendColourStrip(out, i);
    out += kBlockBackground;
    out += kRuleOpen;
    out += kRuleClose;
    out += kActionRowOpen;
    out.append("<a href = \"Edit task|")
        .append(index)
        .append("\" class = nodecor>Edit</a>&nbsp;&nbsp; ");
    out.append("<a href = \"Delete task|").append(index).append("\" class = nodecor>Delete</a>");
    out += kActionRowClose;
    out += kRuleOpen;
    out += kRuleClose;
    out += "<table CELLSPACING=0 CELLPADDING=0 width = 100% border = 0 ><tr>";
    out += kHalfCellOpen;
    AppendHtmlEscaped(out, task.m_date);
    out += "&nbsp;</font> </td>";
    out += kHalfCellOpen;
    AppendHtmlEscaped(out, task.m_time);
    out += "</td></tr></table></font>";
    out += kCommentOpen;
    AppendHtmlEscaped(out, task.m_comment);
    out += kCommentClose;
    out += kBlockClose;
}

} // namespace

std::string WriteTasksPage(const std::vector<TaskRecord>& tasks) {
    return WriteRecordsPage(tasks, "Add task", AppendTaskBlock);
}

} // namespace quill
