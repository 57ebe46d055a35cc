#pragma once

#include <string>

namespace quill {

// One link: a web address as typed or handed over (not normalised) and a comment.
struct LinkRecord {
    std::string m_address;
    std::string m_comment;

    bool operator==(const LinkRecord&) const = default;
};

} // namespace quill
