#include "gui/platform/ProfileStamp.h"

#include <sys/stat.h>

std::optional<ProfileStamp> StampOfProfile(const QByteArray& encodedPath) {
    struct stat info {};
    ProfileStamp stamp;
    if (::stat(encodedPath.constData(), &info) != 0) {
        return stamp; // no file yet: a stamp of its own, so its arrival is a change
    }
    stamp.exists = true;
    stamp.device = static_cast<unsigned long long>(info.st_dev);
    stamp.inode = static_cast<unsigned long long>(info.st_ino);
    stamp.size = static_cast<long long>(info.st_size);
    stamp.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL +
                       static_cast<long long>(info.st_mtim.tv_nsec);
    return stamp;
}
