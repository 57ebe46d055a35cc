#include "profile/QtLockFile.h"
#include "profile/QtProfile.h"
#include "support/RunFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using quill::test::RunFolder;

// Strings beginning with "@" are not decoded as values; odd values written by hand read as absent.
TEST(QtProfile, StringsReadBackUnchangedAndOddNumbersReadAsAbsent) {
    RunFolder run;
    for (const std::string text : {"@Variant(abc)", "@Rect(1 2 3 4)", "@", "a=b;c\\d", "a\nb"}) {
        QtProfile().WriteString("Status", "Text", text);
        EXPECT_EQ(QtProfile().ReadString("Status", "Text"), text);
    }
    QFile file(RunFolder::ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Status]\nPercent=lots\nIntegrate= 0 \nTrack%20mouse=1\n");
    file.close();
    QtProfile profile;
    profile.Refresh();
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), std::nullopt);
    EXPECT_EQ(profile.ReadInt("Status", "Integrate"), 0);
    EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), 1);
}

// A write never waits for the profile's lock held elsewhere: kept and read
// back, it lands once the lock is let go; one that failed (the profile no file
// for a while) is tried again as well.
TEST(QtProfile, AWriteKeepsItsValueUntilTheProfileCanBeWrittenAgain) {
    RunFolder run;
    const QString file = RunFolder::ProfileFile();
    auto written = [&](const char* text) {
        return QTest::qWaitFor([&] { return run.Read(file).contains(text); }, 10000);
    };
    QDir().mkpath(QFileInfo(file).path());
    QtLockFile holder(QFile::encodeName(file + ".lock").toStdString());
    ASSERT_EQ(holder.Take(0), quill::CrossProcessLock::Attempt::Taken);
    QtProfile profile;
    EXPECT_TRUE(profile.WriteString("Status", "Note text", "while held"));
    EXPECT_EQ(profile.ReadString("Status", "Note text"), "while held");
    EXPECT_FALSE(run.Read(file).contains("while held"));
    holder.Release();
    EXPECT_TRUE(written("while held"));

    QFile::remove(file);
    ASSERT_TRUE(QDir().mkdir(file));
    bool reported = true;
    profile.OnRetried([&](bool ok) { reported = ok; });
    EXPECT_FALSE(profile.WriteString("Status", "Note text", "after a failure"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reported; }, 10000));
    QDir().rmdir(file);
    EXPECT_TRUE(written("after a failure") && reported);
}

} // namespace
