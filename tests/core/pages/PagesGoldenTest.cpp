#include "files/SafeFile.h"
#include "links/LinkFile.h"
#include "pages/LinksPage.h"
#include "pages/PageFile.h"
#include "pages/TasksPage.h"
#include "tasks/TaskFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// Each record file in the test data gives its page byte for byte: empty lists,
// four records (the colour slots cycle), addresses cut after 28 characters,
// never inside one, web schemes in any case, and texts holding markup, quotes,
// character references and multi-byte characters.
TEST(Pages, RecordFilesGiveTheirGoldenPagesByteForByte) {
    const std::string data = QUILLMARK_TEST_DATA_DIR "/";
    test::TempFolder folder;
    for (const char* name : {"links_empty", "links_four", "links_addresses", "links_markup",
                             "tasks_empty", "tasks_four", "tasks_markup"}) {
        std::string page;
        if (name[0] == 'l') {
            std::vector<LinkRecord> links;
            ASSERT_EQ(LoadLinkFile(data + name + ".qbx", links), LoadOutcome::Loaded) << name;
            page = WriteLinksPage(links);
        } else {
            std::vector<TaskRecord> tasks;
            ASSERT_EQ(LoadTaskFile(data + name + ".qbx", tasks), LoadOutcome::Loaded) << name;
            page = WriteTasksPage(tasks);
        }
        ASSERT_TRUE(WritePageFile(folder.File("qmtemp.tmp"), page));

        EXPECT_EQ(folder.Read("qmtemp.tmp"), ReadWholeFile(data + name + ".html").bytes) << name;
    }
    EXPECT_FALSE(WritePageFile(folder.File("none/qmtemp.tmp"), WriteLinksPage({})));
}

} // namespace
} // namespace quill
