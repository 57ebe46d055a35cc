#pragma once

#include <string>

namespace quill {

// A claim one process holds on a file for as long as it lives, and which the
// system drops when the process ends however it ends (flock). Others can ask
// whether a live process holds it. The file is never removed, so no claimant
// can lose its claim to a remove-and-create race.
class ProcessClaim {
public:
    explicit ProcessClaim(std::string path) : m_path(std::move(path)) {}
    ~ProcessClaim();
    ProcessClaim(const ProcessClaim&) = delete;
    ProcessClaim& operator=(const ProcessClaim&) = delete;

    // Never waits; true when this object holds the claim afterwards.
    bool TryClaim();
    void Release();
    bool Held() const { return m_fd >= 0; }

    // Whether a live process holds the claim at path.
    static bool HeldByAnyone(const std::string& path);

private:
    std::string m_path;
    int m_fd = -1;
};

} // namespace quill
