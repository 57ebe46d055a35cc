#include "QtProfile.h"
#include "support/RunFolder.h"

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

} // namespace
