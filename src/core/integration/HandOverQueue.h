#pragma once

#include "core/files/CrossProcessLock.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// One link handed over by the host, waiting for the user's answer.
struct QueuedLink {
    std::string id; // unique for good, so an answer can never match a later link
    std::string href;
    std::string text;

    bool operator==(const QueuedLink&) const = default;
};

// What the user answered, kept by the program until the link has left the queue.
struct LinkAnswer {
    enum class State { Adding, Added, Declined, Refused };
    State state = State::Declined;
    // Adding: the record as stored, and how many equal records the list held
    // before, so an add cut short is finished once and only once.
    std::size_t equalBefore = 0;
    std::string address;
    std::string comment;

    bool Final() const { return state != State::Adding; }
};

// The queue file: one line per link, "id TAB href TAB text", in arrival
// order, fields escaped so that any bytes fit. Lines that do not parse are
// skipped.
std::vector<QueuedLink> ParseQueue(std::string_view bytes);
std::string QueueLine(const QueuedLink& link);

// The answers file: one line per answered link, "id TAB state ...".
std::map<std::string, LinkAnswer> ParseAnswers(std::string_view bytes);
std::string AnswersText(const std::map<std::string, LinkAnswer>& answers);

// The files beside the profile: the queue the host appends to, the answers
// only the program writes, and the claim the running program holds.
struct HandOverPaths {
    explicit HandOverPaths(const std::string& profilePath);
    std::string queue;
    std::string answers;
    std::string claim;
    std::string lock; // the profile's own lock file, which QSettings honours too
};

// The host's side: appends a link to the queue under the profile's lock
// (waiting at most patienceMs for it), durably, before the extension is told
// "ok". A link is never dropped to make room; past kMaxWaitingLinks the host
// refuses new ones.
inline constexpr std::size_t kMaxWaitingLinks = 1000;
enum class Enqueued { Stored, Full, Failed };
Enqueued EnqueueLink(const HandOverPaths& paths, CrossProcessLock& profileLock,
                     const std::string& href, const std::string& text, int patienceMs);
// The same, for a caller that already holds the profile's lock.
Enqueued EnqueueLinkLocked(const HandOverPaths& paths, const std::string& href,
                           const std::string& text);

// Reads the queue; an absent file is an empty queue, nothing when unreadable.
std::optional<std::vector<QueuedLink>> ReadQueue(const std::string& path);

} // namespace quill
