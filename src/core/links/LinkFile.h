#pragma once

#include "core/files/DataFileResult.h"
#include "core/files/FileError.h"
#include "core/links/LinkRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Relative name of the link file, resolved against the working folder.
inline constexpr std::string_view kLinkFileName = "Data/qmlinks.qbx";

// One line of the link file: address, "|", comment. The split falls at the first "|".
LinkRecord ParseLinkLine(std::string_view line);
std::string FormatLinkLine(const LinkRecord& link);

// Appends the file's records to the end of links (it does not empty the list).
// A missing file is created empty; a file that cannot be read is left untouched.
LoadOutcome LoadLinkFile(const std::string& path, std::vector<LinkRecord>& links,
                         FileError* error = nullptr);

// Rewrites the whole file from links in one step. Returns false when the file
// could not be replaced; the old file is then still whole.
bool SaveLinkFile(const std::string& path, const std::vector<LinkRecord>& links);

// Makes a typed or handed-over link fit the file: line breaks become blanks and
// a "|" in the address is stored as "%7C" (the same web address), so the
// record reads back as it was entered.
LinkRecord SanitizeLinkForStorage(LinkRecord link);

} // namespace quill
