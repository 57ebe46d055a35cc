#include "QtProfile.h"
#include "support/RunFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Strings beginning with "@" are not decoded as values; odd values written by hand read as absent.
TEST(QtProfile, StringsReadBackUnchangedAndOddNumbersReadAsAbsent) {
    quill::test::RunFolder run;
    for (const std::string text : {"@Variant(abc)", "@Rect(1 2 3 4)", "@", "a=b;c\\d", "a\nb"}) {
        QtProfile().WriteString("Status", "Text", text);
        EXPECT_EQ(QtProfile().ReadString("Status", "Text"), text);
    }
    QFile file(quill::test::RunFolder::ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Status]\nPercent=lots\nIntegrate= 0 \nTrack%20mouse=1\n");
    file.close();
    QtProfile profile;
    profile.Refresh();
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), std::nullopt);
    EXPECT_EQ(profile.ReadInt("Status", "Integrate"), 0);
    EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), 1);
}

// Holds a lock as QLockFile does (its process id in it, flock held) until
// its input closes.
constexpr const char* kHoldLock = R"(
import fcntl, os, sys
fd = os.open(sys.argv[1], os.O_RDWR | os.O_CREAT | os.O_EXCL, 0o644)
fcntl.flock(fd, fcntl.LOCK_EX)
os.write(fd, b"%d\npython3\n\n" % os.getpid())
print("held", flush=True)
sys.stdin.read()
os.unlink(sys.argv[1])
)";

// A write never waits for the profile's lock: the value is kept (reads see
// it) and lands once the other process lets go; one that failed (the profile
// was no file for a while) is tried again as well.
TEST(QtProfile, AWriteKeepsItsValueUntilTheProfileCanBeWrittenAgain) {
    quill::test::RunFolder run;
    const QString file = quill::test::RunFolder::ProfileFile();
    QDir().mkpath(QFileInfo(file).path());
    QProcess holder;
    holder.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(kHoldLock), file + ".lock"});
    ASSERT_TRUE(holder.waitForReadyRead(10000));

    QtProfile profile;
    EXPECT_TRUE(profile.WriteString("Status", "Note text", "while held"));
    EXPECT_EQ(profile.ReadString("Status", "Note text"), "while held");
    EXPECT_FALSE(quill::test::RunFolder::Read(file).contains("while held"));
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return quill::test::RunFolder::Read(file).contains("while held"); }, 5000));

    QFile::remove(file);
    ASSERT_TRUE(QDir().mkdir(file));
    bool reported = true;
    profile.OnRetried([&](bool written) { reported = written; });
    EXPECT_FALSE(profile.WriteString("Status", "Note text", "after a failure"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reported; }, 10000));
    QDir().rmdir(file);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return quill::test::RunFolder::Read(file).contains("after a failure"); }, 10000));
    EXPECT_TRUE(reported);
}

} // namespace
