#include "QtProfile.h"
#include "support/GuiTestEnvironment.h"
#include "support/RunFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using quill::test::GuiTestEnvironment;
using quill::test::RunFolder;

// Strings beginning with "@" are not decoded as values; odd values written by hand read as absent.
TEST(QtProfile, StringsReadBackUnchangedAndOddNumbersReadAsAbsent) {
    RunFolder run;
    const std::string texts[] = {"@Variant(abc)", "@Rect(1 2 3 4)", "@", "a=b;c\\d", "line\nbreak"};
    {
        QtProfile profile;
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            profile.WriteString("Status", "Text" + std::to_string(i), texts[i]);
        }
    }
    QtProfile fresh;
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(fresh.ReadString("Status", "Text" + std::to_string(i)), texts[i]);
    }

    QFile file(GuiTestEnvironment::ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Status]\nPercent=lots\nIntegrate= 0 \nTrack%20mouse=1\n");
    file.close();

    QtProfile profile;
    profile.Refresh();
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), std::nullopt);
    EXPECT_EQ(profile.ReadInt("Status", "Integrate"), 0);
    EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), 1);
    EXPECT_EQ(profile.ReadInt("Status", "Absent"), std::nullopt);
}

} // namespace
