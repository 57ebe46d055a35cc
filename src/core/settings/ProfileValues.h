#pragma once

#include "core/settings/Profile.h"

#include <string>
#include <string_view>

namespace quill {

inline constexpr std::string_view kCompanyName = "Tarnwick software";
inline constexpr std::string_view kProductName = "Quillmark";
inline constexpr std::string_view kStatusSection = "Status";
inline constexpr std::string_view kSettingsSection = "Settings";

// One value of the program's profile, with the default an absent value reads as.
struct ProfileValue {
    std::string_view section;
    std::string_view name;
    int integerDefault;
    std::string_view stringDefault;
};

// Every value the program keeps in its profile.
namespace values {
inline constexpr ProfileValue kIsOpened{kStatusSection, "IsOpened", 0, ""};
inline constexpr ProfileValue kIntegrate{kStatusSection, "Integrate", 1, ""};
// Absent on a run that is not the first only when removed by hand: reads as on.
inline constexpr ProfileValue kTrackMouse{kStatusSection, "Track mouse", 1, ""};
// A stored 0 reads as 80 as well.
inline constexpr ProfileValue kPercent{kStatusSection, "Percent", 80, ""};
inline constexpr ProfileValue kNoteText{kStatusSection, "Note text", 0, ""};
inline constexpr ProfileValue kNewLink{kStatusSection, "new_link", 0, ""};
inline constexpr ProfileValue kNewLinkHref{kStatusSection, "new_link_href", 0, ""};
inline constexpr ProfileValue kNewLinkText{kStatusSection, "new_link_text", 0, ""};
// "dd.mm.yyyy hh:mm" of the last due-task pass; absent before the first one.
inline constexpr ProfileValue kLastDueCheck{kStatusSection, "Last due check", 0, ""};
// 1 once the user was told how to get a notification area on a desktop without one.
inline constexpr ProfileValue kTrayHintShown{kStatusSection, "Tray hint shown", 0, ""};
} // namespace values

// Typed access that falls back on the table's default.
int ReadInt(const Profile& profile, const ProfileValue& value);
std::string ReadString(const Profile& profile, const ProfileValue& value);
bool WriteInt(Profile& profile, const ProfileValue& value, int number);
bool WriteString(Profile& profile, const ProfileValue& value, std::string_view text);

} // namespace quill
