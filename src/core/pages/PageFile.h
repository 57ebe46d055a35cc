#pragma once

#include <string>
#include <string_view>

namespace quill {

// Relative name of the page file both page views write, resolved against the
// working folder when a view is made. The page's images and style sheet lie
// beside it.
inline constexpr std::string_view kPageFileName = "Data/qmtemp.tmp";

// Replaces the page file with the page text. False when it cannot be written;
// the program cannot show its pages then.
bool WritePageFile(const std::string& path, const std::string& page);

} // namespace quill
