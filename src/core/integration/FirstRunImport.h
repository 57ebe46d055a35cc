#pragma once

#include "app/ProgramRunner.h"

#include <optional>
#include <string>
#include <string_view>

namespace quill {

// Registry file imported silently on the first run, from the working folder.
inline constexpr std::string_view kFirstRunRegistryFile = "state.reg";

// The registry editor run on the first run, started by its full path in the
// Windows folder so that a program of that name elsewhere (say, planted in the
// working folder) never runs. Without a Windows folder there is no registry
// editor and nothing to run.
std::optional<ProgramCommand> FirstRunImportCommand(std::string_view windowsFolder);

// The browser menu entry's page address: "res://" + full path of the companion
// library in the working folder + "/GoFenwa.dll.htm".
std::string ExtensionPageAddress(std::string_view workingFolder);

} // namespace quill
