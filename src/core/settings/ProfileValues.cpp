#include "core/settings/ProfileValues.h"

namespace quill {

int ReadInt(const Profile& profile, const ProfileValue& value) {
    return profile.ReadInt(value.section, value.name).value_or(value.integerDefault);
}

std::string ReadString(const Profile& profile, const ProfileValue& value) {
    return profile.ReadString(value.section, value.name).value_or(std::string(value.stringDefault));
}

bool WriteInt(Profile& profile, const ProfileValue& value, int number) {
    return profile.WriteInt(value.section, value.name, number);
}

bool WriteString(Profile& profile, const ProfileValue& value, std::string_view text) {
    return profile.WriteString(value.section, value.name, text);
}

} // namespace quill
