#pragma once

#include "core/links/LinkRecord.h"

#include <string>
#include <vector>

// Links as users keep them: mixed schemes, long addresses, some markup to escape.
inline std::vector<quill::LinkRecord> SampleLinks(int count) {
    std::vector<quill::LinkRecord> links;
    for (int i = 0; i < count; ++i) {
        links.push_back(
            {(i % 2 ? "https://www.example.org/articles/" : "example.com/search?q=a&b=") +
                 std::to_string(i),
             "Comment number " + std::to_string(i) + " with <b>markup</b> & more"});
    }
    return links;
}
