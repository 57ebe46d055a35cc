#include "core/integration/LinkInbox.h"

#include "core/files/Log.h"
#include "core/files/SafeFile.h"

#include <set>

namespace quill {

LinkInbox::LinkInbox(const std::string& profilePath, CrossProcessLock& profileLock)
    : m_paths(profilePath), m_lock(profileLock), m_claim(m_paths.claim) {}

bool LinkInbox::Claim() {
    if (m_claim.Held()) {
        return true;
    }
    // Claimed first: until then another instance may still be answering.
    if (!m_claim.TryClaim()) {
        return false;
    }
    FileContents answers = ReadWholeFile(m_paths.answers);
    if (answers.status != ReadStatus::Ok && answers.status != ReadStatus::Missing) {
        LogFailure(LogArea::HandOver, "could not read the answers " + m_paths.answers + ": " +
                                          DescribeCause(ReadFailure(answers)));
        m_claim.Release(); // reading on would offer answered links again
        return false;
    }
    m_answers = ParseAnswers(answers.bytes);
    return true;
}

std::optional<std::vector<QueuedLink>> LinkInbox::Pending() const {
    auto queue = ReadQueue(m_paths.queue);
    if (!queue) {
        LogFailure(LogArea::HandOver, "could not read the queue " + m_paths.queue);
        return std::nullopt;
    }
    std::vector<QueuedLink> pending;
    std::set<std::string> seen;
    for (QueuedLink& link : *queue) {
        const LinkAnswer* answer = AnswerOf(link.id);
        if ((answer == nullptr || !answer->Final()) && seen.insert(link.id).second) {
            pending.push_back(std::move(link));
        }
    }
    return pending;
}

const LinkAnswer* LinkInbox::AnswerOf(const std::string& id) const {
    auto found = m_answers.find(id);
    return found == m_answers.end() ? nullptr : &found->second;
}

bool LinkInbox::Record(const std::string& id, LinkAnswer answer) {
    m_answers[id] = std::move(answer);
    return WriteAnswers();
}

void LinkInbox::Compact() {
    bool anyFinal = false;
    for (const auto& [id, answer] : m_answers) {
        anyFinal = anyFinal || answer.Final();
    }
    if (!anyFinal) {
        return;
    }
    HeldLock lock(m_lock, 0);
    if (!lock.Taken()) {
        return;
    }
    FileContents contents = ReadWholeFile(m_paths.queue);
    if (contents.status != ReadStatus::Ok && contents.status != ReadStatus::Missing) {
        LogFailure(LogArea::HandOver, "could not read the queue " + m_paths.queue + ": " +
                                          DescribeCause(ReadFailure(contents)));
        return;
    }
    std::string kept;
    std::set<std::string> left;
    for (const QueuedLink& link : ParseQueue(contents.bytes)) {
        const LinkAnswer* answer = AnswerOf(link.id);
        if (answer == nullptr || !answer->Final()) {
            kept += QueueLine(link);
            left.insert(link.id);
        }
    }
    FileError error;
    if (kept != contents.bytes &&
        !ReplaceFileContents(m_paths.queue, kept, Durability::Synced, &error)) {
        LogFailure(LogArea::HandOver,
                   "could not shorten the queue " + m_paths.queue + ": " + DescribeCause(error));
        return;
    }
    lock.Release();
    // Only now may the answers go: a link still queued keeps its answer.
    std::erase_if(m_answers, [&](const auto& entry) { return !left.count(entry.first); });
    WriteAnswers();
}

bool LinkInbox::WriteAnswers() {
    FileError error;
    if (!ReplaceFileContents(m_paths.answers, AnswersText(m_answers), Durability::Synced, &error)) {
        LogFailure(LogArea::HandOver,
                   "could not write the answers " + m_paths.answers + ": " + DescribeCause(error));
        return false;
    }
    return true;
}

} // namespace quill
