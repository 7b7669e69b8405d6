#include "port/port_access.h"

#include <QSerialPortInfo>

#include <algorithm>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lm {

void EnumeratePorts(std::vector<std::string>& list) {
    std::vector<std::string> found;
    // Windows names its ports COMn (the numbered port buttons and the key byte rely on that); elsewhere a port
    // is its device path.
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef _WIN32
        found.push_back(info.portName().toStdString());
#else
        found.push_back(info.systemLocation().toStdString());
#endif
    }
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

std::string RefusalReason(const std::string& device) {
#ifndef _WIN32
    if (access(device.c_str(), R_OK | W_OK) != 0) return PermissionAdvice(device);
#endif
    return "The serial port " + device + " is busy: another program is using it (or holds its lock). Close that "
           "program and try again.";
}

}  // namespace lm
