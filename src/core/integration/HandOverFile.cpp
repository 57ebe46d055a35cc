#include "integration/HandOverFile.h"

#include "files/IniKeys.h"
#include "files/SafeFile.h"
#include "settings/ProfileValues.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace quill {

namespace {

constexpr std::string_view kWaiting = "true";
constexpr std::string_view kTaken = "false";
constexpr int kRetryMs = 20;

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

HandOverFile::HandOverFile(std::string profilePath)
    : m_path(std::move(profilePath)), m_lockPath(m_path + ".lock") {}

std::optional<HandOverValues> HandOverFile::Read() const {
    std::optional<std::string> text = ReadText(m_path);
    if (!text) {
        return std::nullopt;
    }
    return ValuesIn(*text);
}

HandOverFile::Offer HandOverFile::OfferLink(const std::string& href, const std::string& text,
                                            int patienceMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(patienceMs);
    auto remainingMs = [&] {
        return static_cast<int>(std::max<long long>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                   .count()));
    };
    // The lock lives beside the profile: a first hand-over makes the folder for both.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    while (true) {
        LockFile lock(m_lockPath);
        if (lock.Take(remainingMs()) != LockFile::Attempt::Taken) {
            return Offer::Failed;
        }
        std::optional<std::string> current = ReadText(m_path);
        if (!current) {
            return Offer::Failed;
        }
        if (!ValuesIn(*current).Waiting()) {
            const std::map<std::string, std::string> changes{
                {std::string(values::kNewLinkHref.name), href},
                {std::string(values::kNewLinkText.name), text},
                {std::string(values::kNewLink.name), std::string(kWaiting)}};
            // Under the lock nobody else writes: what was written is what is there.
            return Write(m_path, *current, changes, Durability::Synced) ? Offer::Stored
                                                                        : Offer::Failed;
        }
        // A link still waits: it is never replaced, only given time to be taken.
        lock.Release();
        if (remainingMs() == 0) {
            return Offer::NotTaken;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kRetryMs, remainingMs())));
    }
}

HandOverFile::Taking HandOverFile::TakeLink() {
    Taking taking;
    std::optional<HandOverValues> seen = Read();
    if (!seen || !seen->Waiting()) {
        return taking;
    }
    LockFile lock(m_lockPath);
    switch (lock.TryTake()) {
    case LockFile::Attempt::Taken:
        break;
    case LockFile::Attempt::Busy:
        taking.result = Take::Busy;
        return taking;
    case LockFile::Attempt::Failed:
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
    // The reset costs no flush: lost in a crash, the link is merely offered again.
    const bool written =
        Write(m_path, *current, {{std::string(values::kNewLink.name), std::string(kTaken)}},
              Durability::Scratch);
    taking.result = written ? Take::Taken : Take::Failed;
    return taking;
}

} // namespace quill
