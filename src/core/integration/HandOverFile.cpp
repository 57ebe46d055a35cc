#include "core/integration/HandOverFile.h"

#include "core/files/IniKeys.h"
#include "core/files/SafeFile.h"
#include "core/settings/ProfileValues.h"

namespace quill {

namespace {

constexpr std::string_view kTaken = "false";

std::optional<std::string> ReadText(const std::string& path) {
    FileContents contents = ReadWholeFile(path);
    if (contents.status == ReadStatus::Missing) {
        return std::string();
    }
    if (contents.status != ReadStatus::Ok) {
        return std::nullopt;
    }
    return std::move(contents.bytes);
}

HandOverValues ValuesIn(std::string_view text) {
    const std::string section(values::kNewLink.section);
    return {ReadIniValue(text, section, values::kNewLink.name),
            ReadIniValue(text, section, values::kNewLinkHref.name),
            ReadIniValue(text, section, values::kNewLinkText.name)};
}

bool Write(const std::string& path, const std::string& text,
           const std::map<std::string, std::string>& changes, Durability durability) {
    return ReplaceFileContents(path, WriteIniValues(text, values::kNewLink.section, changes),
                               durability);
}

} // namespace

HandOverFile::HandOverFile(std::string profilePath, CrossProcessLock& profileLock)
    : m_path(std::move(profilePath)), m_lock(profileLock) {}

std::optional<HandOverValues> HandOverFile::Read() const {
    std::optional<std::string> text = ReadText(m_path);
    if (!text) {
        return std::nullopt;
    }
    return ValuesIn(*text);
}

HandOverFile::Taking
HandOverFile::TakeLink(const std::function<bool(const HandOverValues&)>& keep) {
    Taking taking;
    std::optional<HandOverValues> seen = Read();
    if (!seen || !seen->Waiting()) {
        return taking;
    }
    HeldLock lock(m_lock, 0);
    switch (lock.Result()) {
    case CrossProcessLock::Attempt::Taken:
        break;
    case CrossProcessLock::Attempt::Busy:
        taking.result = Take::Busy;
        return taking;
    case CrossProcessLock::Attempt::Failed:
        taking.result = Take::Failed;
        return taking;
    }
    std::optional<std::string> current = ReadText(m_path);
    if (!current) {
        taking.result = Take::Failed;
        return taking;
    }
    taking.link = ValuesIn(*current);
    if (!taking.link.Waiting()) {
        return taking;
    }
    if (!keep(taking.link)) {
        taking.result = Take::Failed;
        return taking;
    }
    // Flushed: a reset lost in a crash would keep the link a second time.
    const bool written =
        Write(m_path, *current, {{std::string(values::kNewLink.name), std::string(kTaken)}},
              Durability::Synced);
    taking.result = written ? Take::Taken : Take::Failed;
    return taking;
}

} // namespace quill
