#pragma once

#include "core/files/DataFileResult.h"
#include "core/files/LineText.h"
#include "core/files/SafeFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The shared reading and writing of the one-record-per-line data files.

template <typename Record, typename ParseLine>
LoadOutcome LoadRecordFile(const std::string& path, std::vector<Record>& records,
                           ParseLine parseLine, FileError* error = nullptr) {
    // Whatever an interrupted save left beside the file goes first.
    RemoveStaleTemporaries(path);
    FileContents contents = ReadWholeFile(path, kMaxDataFileBytes);
    if (const FileError failure = ReadFailure(contents); error && failure) {
        *error = failure;
    }
    switch (contents.status) {
    case ReadStatus::Missing:
        CreateEmptyIfMissing(path);
        return LoadOutcome::CreatedNew;
    case ReadStatus::Unreadable:
        return LoadOutcome::LeftAlone;
    case ReadStatus::NotAFile:
        return LoadOutcome::NotAFile;
    case ReadStatus::TooLarge:
        return LoadOutcome::TooLarge;
    case ReadStatus::Ok:
        break;
    }
    ForEachLine(contents.bytes, [&](std::string_view line) { records.push_back(parseLine(line)); });
    return LoadOutcome::Loaded;
}

template <typename Record, typename FormatLine>
std::string FormatRecordFile(const std::vector<Record>& records, FormatLine formatLine) {
    std::string bytes;
    for (const Record& record : records) {
        bytes += formatLine(record);
    }
    // A reader skips one leading byte-order mark, so a first record that
    // begins with one gets another in front of it to come back whole.
    if (SkipByteOrderMark(bytes).size() != bytes.size()) {
        bytes.insert(0, bytes.substr(0, bytes.size() - SkipByteOrderMark(bytes).size()));
    }
    return bytes;
}

template <typename Record, typename FormatLine>
bool SaveRecordFile(const std::string& path, const std::vector<Record>& records,
                    FormatLine formatLine) {
    return ReplaceFileContents(path, FormatRecordFile(records, formatLine));
}

} // namespace quill
