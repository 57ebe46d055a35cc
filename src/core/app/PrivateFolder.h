#pragma once

#include <optional>
#include <string>

namespace quill {

// Makes sure path is a folder that only the user uid can enter: made with
// mode 0700 where it is missing, put back to 0700 where the user's own has
// another mode. A symbolic link, a non-folder or another user's folder is
// refused (false): whoever made it could see, take or fake the program's
// socket and lock.
bool MakePrivateFolder(const std::string& path, unsigned uid);

// Whether path exists and belongs to another user than uid (a socket or
// lock left there by someone else must never be trusted).
bool OwnedByOtherUser(const std::string& path, unsigned uid);

// Where the running instance's socket and lock live: $XDG_RUNTIME_DIR when
// it is absolute and private to the user (su and some remote logins pass on
// another user's); otherwise "quillmark-<uid>" in the shared temporary
// folder, made private; and should someone else hold that name, a folder in
// the user's cache folder. Nothing when none of them can be made private.
std::optional<std::string> InstanceFolder(const std::string& runtimeFolder,
                                          const std::string& tempFolder,
                                          const std::string& cacheFolder, unsigned uid);

} // namespace quill
