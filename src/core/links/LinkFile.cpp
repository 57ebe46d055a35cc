#include "core/links/LinkFile.h"

#include "core/files/LineText.h"
#include "core/files/RecordFile.h"

namespace quill {

LinkRecord ParseLinkLine(std::string_view line) {
    SplitPair parts = SplitAtFirst(line, '|');
    return LinkRecord{std::move(parts.before), std::move(parts.after)};
}

std::string FormatLinkLine(const LinkRecord& link) {
    std::string line;
    line.append(KeepOnOneLine(link.m_address))
        .append("|")
        .append(KeepOnOneLine(link.m_comment))
        .append(kLineEnd);
    return line;
}

LoadOutcome LoadLinkFile(const std::string& path, std::vector<LinkRecord>& links,
                         FileError* error) {
    return LoadRecordFile(path, links, ParseLinkLine, error);
}

bool SaveLinkFile(const std::string& path, const std::vector<LinkRecord>& links) {
    return SaveRecordFile(path, links, FormatLinkLine);
}

LinkRecord SanitizeLinkForStorage(LinkRecord link) {
    std::string address = FlattenLineBreaks(link.m_address);
    std::string escaped;
    escaped.reserve(address.size());
    for (char c : address) {
        if (c == '|') {
            escaped += "%7C";
        } else {
            escaped.push_back(c);
        }
    }
    return LinkRecord{std::move(escaped), FlattenLineBreaks(link.m_comment)};
}

} // namespace quill
