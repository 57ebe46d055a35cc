#include "core/pages/TasksPage.h"

#include "core/pages/HtmlEscape.h"
#include "core/pages/PageFragments.h"

namespace quill {

namespace {

constexpr std::string_view kHalfCellOpen =
    "<td height = 10 width = 50% style= \"BORDER-RIGHT: #A2B5D3 1px solid; BORDER-BOTTOM: "
    "#A2B5D3 1px solid;\" bgcolor = #F5F8FA valign = center ><font size = 1>&nbsp;&nbsp;";

void AppendTaskBlock(std::string& out, const TaskRecord& task, std::size_t i) {
    const std::string index = std::to_string(i);
    auto anchors = [&index](std::string& row) {
        row.append("<a href = \"Edit task|")
            .append(index)
            .append("\" class = nodecor>Edit</a>&nbsp;&nbsp; ");
        row.append("<a href = \"Delete task|")
            .append(index)
            .append("\" class = nodecor>Delete</a>");
    };
    auto dateAndTime = [&task](std::string& body) {
        body += "<table CELLSPACING=0 CELLPADDING=0 width = 100% border = 0 ><tr>";
        body += kHalfCellOpen;
        AppendHtmlEscaped(body, task.m_date);
        body += "&nbsp;</font> </td>";
        body += kHalfCellOpen;
        AppendHtmlEscaped(body, task.m_time);
        body += "</td></tr></table></font>";
    };
    AppendRecordBlock(out, i, anchors, dateAndTime, task.m_comment);
}

} // namespace

std::string WriteTasksPage(const std::vector<TaskRecord>& tasks) {
    return WriteRecordsPage(tasks, "Add task", AppendTaskBlock);
}

} // namespace quill
