#include "core/settings/FrameSettings.h"

#include "core/settings/ProfileValues.h"
#include "core/settings/Transparency.h"

namespace quill {

namespace {
constexpr std::string_view kOpenedMarker = "true";
}

FrameSettings ReadFrameSettings(const Profile& profile) {
    FrameSettings settings;
    settings.firstRun = ReadString(profile, values::kIsOpened) != kOpenedMarker;
    settings.integrate = ReadInt(profile, values::kIntegrate) != 0;
    settings.trackMouse = settings.firstRun || ReadInt(profile, values::kTrackMouse) != 0;
    settings.transparency = SanitizeStoredLevel(ReadInt(profile, values::kPercent));
    return settings;
}

bool StoreFrameSettings(const FrameSettings& settings, Profile& profile) {
    bool stored = WriteInt(profile, values::kPercent, settings.transparency);
    stored = WriteString(profile, values::kIsOpened, kOpenedMarker) && stored;
    stored = WriteInt(profile, values::kIntegrate, settings.integrate ? 1 : 0) && stored;
    return WriteInt(profile, values::kTrackMouse, settings.trackMouse ? 1 : 0) && stored;
}

bool ApplyLevelCommand(FrameSettings& settings, int commandId) {
    auto code = LevelCodeForCommand(commandId);
    if (!code) {
        return false;
    }
    settings.transparency = *code;
    return true;
}

} // namespace quill
