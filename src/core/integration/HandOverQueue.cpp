#include "core/integration/HandOverQueue.h"

#include "core/files/Log.h"
#include "core/files/SafeFile.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>

namespace quill {

namespace {

std::string Escape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
        }
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// The tab-separated fields of each whole line; a last line without its
// newline was cut short and is left out.
template <typename Visit> void ForEachLine(std::string_view bytes, Visit visit) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            return;
        }
        std::vector<std::string_view> fields;
        std::string_view line = bytes.substr(start, end - start);
        for (std::size_t pos = 0;;) {
            const std::size_t tab = line.find('\t', pos);
            fields.push_back(line.substr(pos, tab - pos));
            if (tab == std::string_view::npos) {
                break;
            }
            pos = tab + 1;
        }
        visit(fields);
        start = end + 1;
    }
}

bool IsId(std::string_view id) {
    return !id.empty() && id.size() <= 32 &&
           id.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

constexpr std::pair<LinkAnswer::State, std::string_view> kStates[] = {
    {LinkAnswer::State::Adding, "adding"},
    {LinkAnswer::State::Added, "added"},
    {LinkAnswer::State::Declined, "declined"},
    {LinkAnswer::State::Refused, "refused"},
};

std::string NewId() {
    static std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{
            device(), device(), device(), device(),
            static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
        return std::mt19937_64(seed);
    }();
    static const char kHex[] = "0123456789abcdef";
    std::string id;
    for (int half = 0; half < 2; ++half) {
        std::uint64_t bits = generator();
        for (int i = 0; i < 16; ++i, bits >>= 4) {
            id += kHex[bits & 15];
        }
    }
    return id;
}

std::string WithoutExtension(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1)) {
        return path.substr(0, dot);
    }
    return path;
}

} // namespace

std::vector<QueuedLink> ParseQueue(std::string_view bytes) {
    std::vector<QueuedLink> links;
    ForEachLine(bytes, [&](const std::vector<std::string_view>& fields) {
        if (fields.size() != 3 || !IsId(fields[0])) {
            return;
        }
        auto href = Unescape(fields[1]);
        auto text = Unescape(fields[2]);
        if (href && text) {
            links.push_back({std::string(fields[0]), std::move(*href), std::move(*text)});
        }
    });
    return links;
}

std::string QueueLine(const QueuedLink& link) {
    return link.id + '\t' + Escape(link.href) + '\t' + Escape(link.text) + '\n';
}

std::map<std::string, LinkAnswer> ParseAnswers(std::string_view bytes) {
    std::map<std::string, LinkAnswer> answers;
    ForEachLine(bytes, [&](const std::vector<std::string_view>& fields) {
        if (fields.size() < 2 || !IsId(fields[0])) {
            return;
        }
        LinkAnswer answer;
        bool known = false;
        for (const auto& [state, word] : kStates) {
            if (word == fields[1]) {
                answer.state = state;
                known = true;
            }
        }
        if (!known) {
            return;
        }
        if (answer.state == LinkAnswer::State::Adding) {
            if (fields.size() != 5 || fields[2].empty() ||
                fields[2].find_first_not_of("0123456789") != std::string_view::npos ||
                fields[2].size() > 9) {
                return;
            }
            auto address = Unescape(fields[3]);
            auto comment = Unescape(fields[4]);
            if (!address || !comment) {
                return;
            }
            answer.equalBefore = std::stoul(std::string(fields[2]));
            answer.address = std::move(*address);
            answer.comment = std::move(*comment);
        }
        answers[std::string(fields[0])] = std::move(answer);
    });
    return answers;
}

std::string AnswersText(const std::map<std::string, LinkAnswer>& answers) {
    std::string text;
    for (const auto& [id, answer] : answers) {
        for (const auto& [state, word] : kStates) {
            if (state == answer.state) {
                text += id + '\t' + std::string(word);
            }
        }
        if (answer.state == LinkAnswer::State::Adding) {
            text += '\t' + std::to_string(answer.equalBefore) + '\t' + Escape(answer.address) +
                    '\t' + Escape(answer.comment);
        }
        text += '\n';
    }
    return text;
}

HandOverPaths::HandOverPaths(const std::string& profilePath)
    : queue(WithoutExtension(profilePath) + ".handover"),
      answers(WithoutExtension(profilePath) + ".handover-answers"),
      claim(WithoutExtension(profilePath) + ".handover-reader"), lock(profilePath + ".lock") {}

std::optional<std::vector<QueuedLink>> ReadQueue(const std::string& path) {
    FileContents contents = ReadWholeFile(path);
    if (contents.status == ReadStatus::Missing) {
        return std::vector<QueuedLink>();
    }
    if (contents.status != ReadStatus::Ok) {
        return std::nullopt;
    }
    return ParseQueue(contents.bytes);
}

Enqueued EnqueueLinkLocked(const HandOverPaths& paths, const std::string& href,
                           const std::string& text) {
    FileContents contents = ReadWholeFile(paths.queue);
    if (contents.status != ReadStatus::Ok && contents.status != ReadStatus::Missing) {
        LogFailure(LogArea::HandOver, "could not read the queue " + paths.queue + ": " +
                                          DescribeCause(ReadFailure(contents)));
        return Enqueued::Failed;
    }
    if (ParseQueue(contents.bytes).size() >= kMaxWaitingLinks) {
        LogFailure(LogArea::HandOver, "the queue " + paths.queue + " is full");
        return Enqueued::Full;
    }
    std::string bytes = std::move(contents.bytes);
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += '\n'; // a cut line stays unparsed instead of swallowing this one
    }
    bytes += QueueLine({NewId(), href, text});
    FileError error;
    if (!ReplaceFileContents(paths.queue, bytes, Durability::Synced, &error)) {
        LogFailure(LogArea::HandOver,
                   "could not write the queue " + paths.queue + ": " + DescribeCause(error));
        return Enqueued::Failed;
    }
    LogStep(LogArea::HandOver, "queued a link in " + paths.queue);
    return Enqueued::Stored;
}

Enqueued EnqueueLink(const HandOverPaths& paths, CrossProcessLock& profileLock,
                     const std::string& href, const std::string& text, int patienceMs) {
    // A first hand-over makes the profile's folder.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(paths.queue).parent_path(), ignored);
    HeldLock lock(profileLock, patienceMs);
    if (!lock.Taken()) {
        return Enqueued::Failed;
    }
    return EnqueueLinkLocked(paths, href, text);
}

} // namespace quill
