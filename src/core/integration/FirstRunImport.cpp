#include "integration/FirstRunImport.h"

#include "files/PathNames.h"

namespace quill {

std::optional<ProgramCommand> FirstRunImportCommand(std::string_view windowsFolder) {
    if (windowsFolder.empty()) {
        return std::nullopt;
    }
    std::string folder(windowsFolder);
    // Join with the separator the folder itself uses.
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    if (folder.back() != '\\' && folder.back() != '/') {
        folder.push_back(separator);
    }
    return ProgramCommand{folder + "regedit.exe", {"/s", std::string(kFirstRunRegistryFile)}};
}

std::string ExtensionPageAddress(std::string_view workingFolder) {
    return "res://" + ResolveInFolder(workingFolder, "Tapgrabber.dll") + "/GoFenwa.dll.htm";
}

} // namespace quill
