#include "link/doctor/identity.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <sstream>

namespace lm::doctor {
namespace {

constexpr unsigned kReadWrite = 6;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::optional<unsigned> Number(const std::string& text) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return std::nullopt;
    return static_cast<unsigned>(std::stoul(text));
}

bool Has(const std::vector<unsigned>& set, unsigned value) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

// A POSIX access control list as the kernel stores it: a version word, then entries of tag, permissions, id.
struct AclEntry {
    unsigned tag, perm, id;
};
enum : unsigned { kUser = 2, kGroupObj = 4, kGroup = 8, kMask = 0x10, kOther = 0x20 };

std::vector<AclEntry> ParseAcl(const std::string& bytes) {
    std::vector<AclEntry> entries;
    auto at = [&](std::size_t i) { return static_cast<unsigned>(static_cast<std::uint8_t>(bytes[i])); };
    if (bytes.size() < 4 || at(0) != 2) return entries;
    for (std::size_t i = 4; i + 8 <= bytes.size(); i += 8)
        entries.push_back({at(i) | at(i + 1) << 8, at(i + 2) | at(i + 3) << 8,
                           at(i + 4) | at(i + 5) << 8 | at(i + 6) << 16 | at(i + 7) << 24});
    return entries;
}

}  // namespace

GroupTable::GroupTable(const SystemRoot& root) {
    for (const std::string& line : Split(root.Read("/etc/group").value_or(""), '\n')) {
        const auto fields = Split(line, ':');
        if (fields.size() < 4) continue;
        if (const auto gid = Number(fields[2])) {
            auto members = Split(fields[3], ',');
            std::erase(members, std::string());
            groups_.push_back({fields[0], *gid, std::move(members)});
        }
    }
    for (const std::string& line : Split(root.Read("/etc/passwd").value_or(""), '\n')) {
        const auto fields = Split(line, ':');
        if (fields.size() < 4) continue;
        if (const auto gid = Number(fields[3])) primary_.emplace_back(fields[0], *gid);
    }
}

std::string GroupTable::Name(unsigned gid) const {
    for (const Group& g : groups_)
        if (g.gid == gid) return g.name;
    return std::to_string(gid);
}

bool GroupTable::Lists(const std::string& user, unsigned gid) const {
    for (const auto& [name, primary] : primary_)
        if (name == user && primary == gid) return true;
    for (const Group& g : groups_)
        if (g.gid == gid && std::find(g.members.begin(), g.members.end(), user) != g.members.end())
            return true;
    return false;
}

Identity CurrentIdentity(const SystemRoot& root) {
    Identity who;
    who.uid = ::getuid();
    who.name = std::to_string(who.uid);
    for (const std::string& line : Split(root.Read("/etc/passwd").value_or(""), '\n')) {
        const auto fields = Split(line, ':');
        if (fields.size() >= 3 && Number(fields[2]) == who.uid) {
            who.name = fields[0];
            break;
        }
    }
    who.groups.push_back(::getgid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            if (!Has(who.groups, groups[static_cast<std::size_t>(i)]))
                who.groups.push_back(groups[static_cast<std::size_t>(i)]);
    }
    return who;
}

AccessVerdict CheckAccess(const SystemRoot& root, const std::string& device, const Identity& who) {
    AccessVerdict verdict;
    const auto status = root.Status(device);
    if (!status) return verdict;
    const GroupTable groups(root);
    verdict.group = groups.Name(status->gid);
    auto grant = [&](const std::string& how) {
        verdict.allowed = true;
        verdict.how = how;
        return verdict;
    };
    if (who.uid == 0) return grant("as root");
    const auto acl = ParseAcl(root.Attribute(device, "system.posix_acl_access").value_or(""));
    unsigned mask = 7;
    for (const AclEntry& e : acl)
        if (e.tag == kMask) mask = e.perm;
    if (who.uid == status->uid) {
        if (((status->mode >> 6) & kReadWrite) == kReadWrite) return grant("as the owner");
    } else {
        for (const AclEntry& e : acl)
            if (e.tag == kUser && e.id == who.uid && (e.perm & mask & kReadWrite) == kReadWrite)
                return grant("through seat access (the device's access list names " + who.name + ")");
        const bool inGroup = Has(who.groups, status->gid);
        // With an access list the mode's group bits are its mask; the owning group's own entry says the rest.
        unsigned groupBits = (status->mode >> 3) & 7;
        for (const AclEntry& e : acl)
            if (e.tag == kGroupObj) groupBits = e.perm & mask;
        if (inGroup && (groupBits & kReadWrite) == kReadWrite)
            return grant("through the group " + verdict.group);
        for (const AclEntry& e : acl)
            if (e.tag == kGroup && Has(who.groups, e.id) && (e.perm & mask & kReadWrite) == kReadWrite)
                return grant("through the group " + groups.Name(e.id) + " in the device's access list");
        if ((status->mode & kReadWrite) == kReadWrite) return grant("as everyone may");
        verdict.listedInGroup = !inGroup && groups.Lists(who.name, status->gid);
    }
    return verdict;
}

}  // namespace lm::doctor
