#include "app/InstanceRequest.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(InstanceRequest, ServerNameIsOnePerUserAndDisplay) {
    struct Case {
        const char* runtime;
        const char* user;
        const char* display;
        const char* name;
    };
    for (const Case& c : {
             Case{"/run/user/1000/", "1000", ":0", "/run/user/1000/quillmark-1000-_0"},
             Case{"/run/user/1000", "1000", ":0.1", "/run/user/1000/quillmark-1000-_0"},
             Case{"", "1000", "localhost:10.0", "quillmark-1000-localhost_10"},
             Case{"relative", "1001", "wayland-0", "quillmark-1001-wayland_0"},
             Case{"", "1000", "../../x", "quillmark-1000-______x"},
         }) {
        EXPECT_EQ(InstanceServerName(c.runtime, c.user, c.display), c.name) << c.display;
    }
}

} // namespace
} // namespace quill
