#pragma once
// Who runs the program, and whether that user may open a device: the owner, group and other permission bits,
// the device's access control list (the seat access a udev rule grants) and the user's groups, both the
// groups this process has and the groups the system lists the user in (they differ until the next login).
#include <optional>
#include <string>
#include <vector>

#include "link/doctor/system_root.h"

namespace lm::doctor {

struct Identity {
    unsigned uid = 0;
    std::string name;              // "alice"; the number when the user database does not know it
    std::vector<unsigned> groups;  // the groups this process has, the primary group included
};

// The identity of this process, named through the root's /etc/passwd.
Identity CurrentIdentity(const SystemRoot& root);

// The group names of the root's /etc/group.
class GroupTable {
public:
    explicit GroupTable(const SystemRoot& root);
    std::string Name(unsigned gid) const;  // the number when unknown
    // Whether /etc/group lists the user in the group (or it is the user's primary group in /etc/passwd).
    bool Lists(const std::string& user, unsigned gid) const;

private:
    struct Group {
        std::string name;
        unsigned gid;
        std::vector<std::string> members;
    };
    std::vector<Group> groups_;
    std::vector<std::pair<std::string, unsigned>> primary_;  // user, primary group
};

struct AccessVerdict {
    bool allowed = false;
    std::string how;    // "as root", "as the owner", "through the group dialout", "through seat access" ...
    std::string group;  // the device's group
    bool listedInGroup = false;  // /etc/group lists the user in it, but this process lacks it: a new login
};

// Whether the identity may open the device for reading and writing.
AccessVerdict CheckAccess(const SystemRoot& root, const std::string& device, const Identity& who);

}  // namespace lm::doctor
