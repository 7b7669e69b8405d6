#include "link/qt/port_access.h"

#include <QSerialPortInfo>

#include <algorithm>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#endif

namespace lm {

void EnumeratePorts(std::vector<std::string>& list) {
    std::vector<std::string> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        found.push_back(info.systemLocation().toStdString());
    std::sort(found.begin(), found.end());
    list.insert(list.end(), found.begin(), found.end());
}

std::string PortDevicePath(const std::string& name) {
#ifdef _WIN32
    return name;
#else
    if (name.empty() || name.front() == '/') return name;
    return "/dev/" + name;
#endif
}

std::string PermissionAdvice(const std::string& device) {
    std::string text = "No permission to open " + device + ".";
#ifndef _WIN32
    struct stat st {};
    if (stat(device.c_str(), &st) == 0) {
        const group* g = getgrgid(st.st_gid);
        const std::string name = g != nullptr ? g->gr_name : std::to_string(st.st_gid);
        text += " The device belongs to the group \"" + name + "\"; join it with\n    sudo usermod -aG " + name +
                " $USER\nthen log out and in again.";
    }
#endif
    return text;
}

}  // namespace lm
