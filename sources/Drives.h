#pragma once
// The browser's "drives": on this platform the file system roots and mounted volumes.

#include <string>
#include <vector>

namespace pav::sources {

struct DriveInfo {
    std::string root;  // the volume's root folder
    std::string label; // what the drive list shows
};

class Drives {
public:
    virtual ~Drives() = default;
    virtual std::vector<DriveInfo> list() const = 0;
    // False for a volume that cannot be read now (unmounted, empty removable drive).
    virtual bool isReady(const std::string& root) const = 0;
};

// The machine's mounted volumes, the file system root first.
class SystemDrives : public Drives {
public:
    std::vector<DriveInfo> list() const override;
    bool isReady(const std::string& root) const override;
};

// The root of the listed drive that holds path (the longest matching root); empty when none does.
std::string driveOf(const std::vector<DriveInfo>& drives, const std::string& path);

} // namespace pav::sources
