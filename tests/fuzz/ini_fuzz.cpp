// Feeds arbitrary text to the INI reader and writer: no crash, and a written key reads back while every other
// key keeps its value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lm::IniFile ini = lm::IniFile::Parse(bytes);
    const std::string before = ini.Read("SysInfo", "Language", "-");
    (void)ini.Read("Language", "PortError", "default");
    ini.Write("SysInfo", "Com", "COM7");
    if (ini.Read("sysinfo", "COM", "") != "COM7") std::abort();
    if (ini.Read("SysInfo", "Language", "-") != before) std::abort();
    // The written text parses to the same values.
    const lm::IniFile again = lm::IniFile::Parse(ini.Text());
    if (again.Read("SysInfo", "Com", "") != "COM7") std::abort();
    if (again.Read("SysInfo", "Language", "-") != before) std::abort();
    (void)lm::DecodeFileText(std::string(bytes));
    return 0;
}
