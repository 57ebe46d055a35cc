#include "core/integration/HandOverQueue.h"

#include "core/files/IniKeys.h"
#include "core/files/ProcessClaim.h"
#include "core/integration/HandOverFile.h"
#include "core/integration/LinkHandover.h"
#include "core/integration/LinkInbox.h"
#include "core/integration/NewLinkPickup.h"
#include "core/integration/PickupRetry.h"
#include "support/FakeLock.h"
#include "support/StoreFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace quill {
namespace {

namespace fs = std::filesystem;

TEST(HandOverQueue, AnyBytesSurviveTheFilesAndBrokenLinesAreSkipped) {
    const std::vector<QueuedLink> links{{"0a", "<a href=\"x\">\t\\n\r\n</a>", "\xff\xfe t"},
                                        {"ffffffffffffffff", "", ""}};
    std::string bytes = QueueLine(links[0]) + "zz\ta\tb\n0b\tx\n0c\tbad\\q\tt\n\n" +
                        QueueLine(links[1]) + "0d\tcut\tshort";
    EXPECT_EQ(ParseQueue(bytes), links);

    std::map<std::string, LinkAnswer> answers{
        {"01", {LinkAnswer::State::Adding, 2, "https://a/\tb", "c\\n"}},
        {"02", {LinkAnswer::State::Declined, 0, {}, {}}}};
    const auto back = ParseAnswers(AnswersText(answers) + "03\tmaybe\n04\tadding\tx\ta\tb\n");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.at("01").address + back.at("01").comment, "https://a/\tbc\\n");
    EXPECT_EQ(back.at("01").equalBefore, 2u);
    EXPECT_TRUE(back.at("02").Final() && !back.at("01").Final());
}

struct ScriptedPrompt : AddLinkPrompt {
    std::vector<std::string> shown;
    std::function<Answer(LinkRecord&)> answer = [](LinkRecord&) { return Answer::Ok; };
    Answer Ask(LinkRecord& link) override {
        shown.push_back(link.m_comment);
        return answer(link);
    }
};

struct InboxTest : ::testing::Test {
    std::string Profile() const { return data.folder.File("cfg/q.conf"); }
    void Send(const std::string& tag, const std::string& scheme = "https://") {
        ASSERT_EQ(
            EnqueueLink(paths, lock, "<a href=\"" + scheme + tag + "/\">" + tag + "</a>", tag, 0),
            Enqueued::Stored);
    }
    // One run of the program: offers each pending link in turn, as the frame does.
    std::vector<HandOverResult> Run(ScriptedPrompt& prompt) {
        LinkInbox inbox(Profile(), lock);
        EXPECT_TRUE(inbox.Claim());
        std::vector<HandOverResult> results;
        const std::vector<QueuedLink> pending = inbox.Pending().value_or(std::vector<QueuedLink>());
        for (const QueuedLink& link : pending) {
            results.push_back(AnswerQueuedLink(data.store, prompt, inbox, link));
            if (results.back() == HandOverResult::NotAnswered) {
                break; // the program is ending
            }
        }
        inbox.Compact();
        return results;
    }
    test::StoreFolder data;
    HandOverPaths paths{Profile()};
    test::FakeLock lock;
};

TEST_F(InboxTest, EachLinkIsOfferedInOrderUntilAnsweredAndNeverAgainAfter) {
    for (const char* tag : {"a", "b", "c", "d"}) {
        Send(tag);
    }
    Send("e", "javascript:");
    ScriptedPrompt prompt;
    prompt.answer = [&](LinkRecord& link) {
        if (link.m_comment == "a") {
            // The list changes while the dialog is open: the link joins it as it is then.
            data.WriteLinks("other|x\r\n");
            data.store.Reload();
            link.m_comment = "a edited";
            return AddLinkPrompt::Answer::Ok;
        }
        return link.m_comment == "b" ? AddLinkPrompt::Answer::Cancel
                                     : AddLinkPrompt::Answer::Interrupted;
    };
    {
        LinkInbox running(Profile(), lock);
        ASSERT_TRUE(running.Claim() && ProcessClaim::HeldByAnyone(paths.claim));
        EXPECT_FALSE(LinkInbox(Profile(), lock).Claim()); // a second instance offers nothing
    }
    EXPECT_FALSE(ProcessClaim::HeldByAnyone(paths.claim));
    using R = HandOverResult;
    EXPECT_EQ(Run(prompt), (std::vector<R>{R::Added, R::Declined, R::NotAnswered}));
    // Ended with c's dialog open: c, d and the refused e come again, in order.
    prompt.answer = [](LinkRecord&) { return AddLinkPrompt::Answer::Ok; };
    EXPECT_EQ(Run(prompt), (std::vector<R>{R::Added, R::Added, R::Refused}));
    EXPECT_EQ(prompt.shown, (std::vector<std::string>{"a", "b", "c", "c", "d"}));
    EXPECT_TRUE(Run(prompt).empty());
    EXPECT_EQ(data.Links(), "other|x\r\nhttps://a/|a edited\r\nhttps://c/|c\r\nhttps://d/|d\r\n");
    EXPECT_EQ(data.folder.Read("cfg/q.handover") + data.folder.Read("cfg/q.handover-answers"), "");
    EXPECT_FALSE(lock.held);
}

// The program can end between any two writes of an OK: the link is added once.
TEST_F(InboxTest, AnAddCutShortIsFinishedWithoutAskingAndWithoutASecondCopy) {
    data.WriteLinks("https://a/|a\r\n");
    data.store.Reload();
    Send("a");
    Send("b");
    {
        LinkInbox inbox(Profile(), lock);
        ASSERT_TRUE(inbox.Claim());
        const auto pending = inbox.Pending().value();
        // Ended after the answer was stored, before the save...
        inbox.Record(pending[0].id, {LinkAnswer::State::Adding, 1, "https://a/", "a"});
        // ...and after the save, before the add was marked done.
        inbox.Record(pending[1].id, {LinkAnswer::State::Adding, 0, "https://b/", "b"});
        data.store.Links().push_back({"https://b/", "b"});
        ASSERT_TRUE(data.store.SaveLinks());
    }
    data.store.Reload();
    ScriptedPrompt prompt;
    EXPECT_EQ(Run(prompt), (std::vector<HandOverResult>(2, HandOverResult::Added)));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(data.Links(), "https://a/|a\r\nhttps://b/|b\r\nhttps://a/|a\r\n");
    EXPECT_TRUE(Run(prompt).empty());
}

std::string Profile(std::string_view flag) {
    return "[Settings]\nPercent=40\ngarbage line without equals\n\n[Status]\nnew_link=" +
           std::string(flag) + "\nnew_link_href=\"<a href=\\\"https://a/\\\">A, b</a>\"\n" +
           "new_link_text=A\n";
}

// An older host's single slot is read as one more queued link.
TEST(NewLinkPickup, ASlotLinkJoinsTheQueueOnceAndOnlyWhenTheFlagIsExactlyTrue) {
    test::TempFolder folder;
    test::FakeLock lock;
    HandOverFile slot(folder.File("q.conf"), lock);
    HandOverPaths paths(folder.File("q.conf"));
    EXPECT_EQ(MoveSlotLinkToQueue(slot, paths), PickupResult::NothingWaiting); // no profile yet
    for (const char* flag : {"TRUE", "yes", "", "\"true \"", "1"}) {
        folder.Write("q.conf", Profile(flag));
        EXPECT_EQ(MoveSlotLinkToQueue(slot, paths), PickupResult::NothingWaiting) << flag;
    }
    folder.Write("q.conf", Profile("true"));
    lock.heldElsewhere = true;
    EXPECT_EQ(MoveSlotLinkToQueue(slot, paths), PickupResult::Busy);
    lock.heldElsewhere = false;
    EXPECT_EQ(MoveSlotLinkToQueue(slot, paths), PickupResult::Delivered);
    EXPECT_EQ(MoveSlotLinkToQueue(slot, paths), PickupResult::NothingWaiting);
    const auto queued = ReadQueue(paths.queue).value();
    ASSERT_EQ(queued.size(), 1u);
    EXPECT_EQ(queued[0].href + "/" + queued[0].text, "<a href=\"https://a/\">A, b</a>/A");
    std::string expected = Profile("true");
    expected.replace(expected.find("new_link=true"), 13, "new_link=\"false\"");
    EXPECT_EQ(folder.Read("q.conf"), expected);

    // Where the queue cannot be written the slot keeps its link.
    folder.Write("q.conf", Profile("true"));
    fs::permissions(folder.Path(), fs::perms(0755));
    EXPECT_TRUE(test::RunUnprivileged(folder.Path(), [&] {
        HandOverFile unwritable("q.conf", lock);
        return MoveSlotLinkToQueue(unwritable, HandOverPaths("q.conf")) ==
               PickupResult::ResetFailed;
    }));
    EXPECT_EQ(folder.Read("q.conf"), Profile("true"));
    // Looked for again soon, then less often, until the link is taken.
    PickupRetry retry;
    EXPECT_EQ(retry.After(PickupResult::NothingWaiting), 0);
    std::vector<int> delays;
    for (int i = 0; i < 12; ++i) {
        delays.push_back(retry.After(PickupResult::ResetFailed));
    }
    EXPECT_EQ(delays,
              (std::vector<int>{10, 20, 40, 80, 160, 320, 640, 1280, 2560, 3000, 3000, 3000}));
    EXPECT_EQ(retry.After(PickupResult::Delivered), 0);
    EXPECT_EQ(retry.After(PickupResult::ResetFailed), 10); // a new wait starts soon again
}

} // namespace
} // namespace quill
