#pragma once

#include <QByteArray>
#include <optional>

// What tells a changed file from an unchanged one without reading it: a save
// by another process replaces the file (new inode) or at least its time.
struct ProfileStamp {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;

    bool operator==(const ProfileStamp&) const = default;
};

// Nothing where the profile is not a file (the registry), so it is always read.
// The path is in the file system's encoding, made once: this runs on every
// poll tick and allocates nothing.
std::optional<ProfileStamp> StampOfProfile(const QByteArray& encodedPath);
