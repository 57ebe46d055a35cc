#pragma once

#include <optional>
#include <string>

namespace quill {

// What tells a file (a list, the profile) that another program changed from
// the one this program last read, without reading it: a replace gives a new
// inode, an edit in place a new size or time. The change time is kept as well: a
// program can set the modification time back (cp -p, touch -r), but not it.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;
    long long changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// Nothing where there is no file (or it cannot be examined).
std::optional<FileStamp> StampOfFile(const std::string& path);

#ifndef _WIN32
// The stamp of an open file, which is the file this program wrote even where
// another program has since put a new one in its place.
std::optional<FileStamp> StampOfOpenFile(int fd);
#endif

} // namespace quill
