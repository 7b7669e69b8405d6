// The cable check's look at the machine, on folder trees made up as a desktop would have them: the port, its
// adapter and driver, who may open it and who holds it, the braille display service's rules, ModemManager,
// the kernel's lines about a port that vanished, and the verdict that ends each port.
#include <gtest/gtest.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>

#include "link/doctor/cable_chips.h"
#include "link/doctor/doctor_report.h"

namespace lm::doctor {
namespace {

namespace fs = std::filesystem;

// A machine's files below a temporary folder.
struct Tree {
    fs::path root = fs::temp_directory_path() /
                    ("lm-doctor-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
    static inline int count = 0;

    Tree() {
        fs::remove_all(root);
        // The device files are owned by whoever runs the test: their group is "dialout" here.
        Write("etc/group", "dialout:x:" + std::to_string(::getgid()) + ":bob\nalice:x:1500:\n");
        Write("etc/passwd",
              "alice:x:1500:1500::/home/alice:/bin/bash\nbob:x:1501:1501::/home/bob:/bin/bash\n");
    }
    ~Tree() { fs::remove_all(root); }

    void Write(const std::string& path, const std::string& text) {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << text;
    }
    void Link(const std::string& path, const std::string& target) {
        fs::create_directories((root / path).parent_path());
        fs::create_symlink(target, root / path);
    }
    // A USB adapter with its serial port as the kernel shows it in /sys, and the device file.
    void UsbPort(const std::string& name, const std::string& vendor, const std::string& product,
                 const std::string& driver) {
        const std::string usb = "sys/devices/pci0000:00/usb1/1-1";
        Write(usb + "/idVendor", vendor + "\n");
        Write(usb + "/idProduct", product + "\n");
        Write(usb + "/product", "USB Serial\n");
        const std::string port = usb + "/1-1:1.0/" + name;
        Link(port + "/driver", "../../../../../bus/usb-serial/drivers/" + driver);
        Write(port + "/tty/" + name + "/dev", "188:0\n");
        Link("sys/class/tty/" + name, "../../devices/pci0000:00/usb1/1-1/1-1:1.0/" + name + "/tty/" + name);
        Link(port + "/tty/" + name + "/device", "../../../" + name);
        Link("sys/bus/usb/devices/1-1", "../../../devices/pci0000:00/usb1/1-1");
        Device("dev/" + name);
    }
    // The access list that udev's seat access gives the user at the seat: read and write for uid.
    void SeatAccess(const std::string& path, std::uint32_t uid) {
        std::string acl{'\x02', 0, 0, 0};
        auto entry = [&acl](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
            for (int i = 0; i < 2; ++i) acl += static_cast<char>(tag >> (8 * i));
            for (int i = 0; i < 2; ++i) acl += static_cast<char>(perm >> (8 * i));
            for (int i = 0; i < 4; ++i) acl += static_cast<char>(id >> (8 * i));
        };
        entry(0x01, 6, ~0u);  // owner
        entry(0x02, 6, uid);  // the user at the seat
        entry(0x04, 6, ~0u);  // owning group
        entry(0x10, 6, ~0u);  // mask
        entry(0x20, 0, ~0u);  // others
        ASSERT_EQ(::setxattr((root / path).c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
    }
    void Device(const std::string& path) {
        Write(path, "");
        fs::permissions(root / path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                         fs::perms::group_write);
    }
};

Identity Alice(bool inDialout) {
    Identity who{1500, "alice", {1500}};
    if (inDialout) who.groups.push_back(::getgid());
    return who;
}

const char* kBrailleRule = "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", GOTO=\"run\"\n";

struct Case {
    const char* name;
    std::function<void(Tree&)> make;
    std::string port;  // "" for every USB port
    bool inDialout;
    std::string verdict;  // "" when no port is listed
    std::vector<std::string> says;
};

TEST(CableCheckSurvey, VerdictAndFindingsForEachMachine) {
    const Case cases[] = {
        {"ready to open",
         [](Tree& t) { t.UsbPort("ttyUSB0", "1a86", "7523", "ch341-uart"); },
         "",
         true,
         "not checked",
         {"USB adapter 1a86:7523 (WCH CH340/CH341), \"USB Serial\"", "Driver: ch341-uart",
          "alice may open it through the group dialout", "No other program holds it"}},
        {"seat access from the cable rule",
         [](Tree& t) {
             t.UsbPort("ttyUSB0", "1a86", "7523", "ch341-uart");
             t.SeatAccess("dev/ttyUSB0", 1500);
         },
         "",
         false,
         "not checked",
         {"alice may open it through seat access"}},
        {"not in the port's group",
         [](Tree& t) { t.UsbPort("ttyUSB0", "10c4", "ea60", "cp210x"); },
         "",
         false,
         "cannot open: no permission (group dialout)",
         {"alice may not open it (it belongs to the group dialout)", "sudo usermod -aG dialout alice"}},
        {"in the group only since the last login",
         [](Tree& t) {
             t.UsbPort("ttyUSB0", "10c4", "ea60", "cp210x");
             t.Write("etc/group", "dialout:x:" + std::to_string(::getgid()) + ":bob,alice\n");
         },
         "/dev/ttyUSB0",
         false,
         "cannot open: no permission (group dialout)",
         {"log out and in again", "newgrp dialout"}},
        {"held by another program",
         [](Tree& t) {
             t.UsbPort("ttyUSB0", "067b", "2303", "pl2303");
             t.Link("proc/4242/fd/3", "/dev/ttyUSB0");
             t.Write("proc/4242/comm", "minicom\n");
             t.Write("proc/77/comm", "bash\n");
             t.Link("proc/77/fd/0", "/dev/pts/1");
         },
         "ttyUSB0",
         true,
         "cannot open: busy, held by minicom (process 4242)",
         {"close that program"}},
        {"held through its lock file",
         [](Tree& t) {
             t.UsbPort("ttyUSB0", "0403", "6001", "ftdi_sio");
             t.Write("run/lock/LCK..ttyUSB0", "      4343\n");
             t.Write("proc/4343/comm", "cu\n");
         },
         "",
         true,
         "cannot open: busy, held by cu (process 4343)",
         {}},
        {"claimed by brltty: adapter without a port, kernel log",
         [](Tree& t) {
             t.Write("sys/devices/pci0000:00/usb1/1-1/idVendor", "1a86\n");
             t.Write("sys/devices/pci0000:00/usb1/1-1/idProduct", "7523\n");
             t.Link("sys/bus/usb/devices/1-1", "../../../devices/pci0000:00/usb1/1-1");
             t.Write("usr/lib/udev/rules.d/85-brltty.rules", std::string("# braille\n") + kBrailleRule);
             t.Write("usr/bin/brltty", "");
             t.Write("dev/kmsg",
                     "6,900,5120000,-;usbfs: interface 0 claimed by ch341 while 'brltty' sets config #1\n"
                     "6,901,5130000,-;ch341-uart ttyUSB0: ch341-uart converter now disconnected from "
                     "ttyUSB0\n6,902,5140000,-;usb 2-1: new full-speed USB device\n");
         },
         "/dev/ttyUSB0",
         true,
         "claimed by brltty",
         {"The system has no such port",
          "[    5.130000] ch341-uart ttyUSB0: ch341-uart converter now disconnected",
          "/usr/lib/udev/rules.d/85-brltty.rules line 2: WCH CH340/CH341 (1a86:7523)",
          "sudo apt remove brltty", "sudo ln -s /dev/null /etc/udev/rules.d/85-brltty.rules",
          "USB adapter WCH CH340/CH341 (1a86:7523) is plugged in, but no serial port was made for it (brltty "
          "claims it)"}},
        {"brltty rule masked: the port is just missing",
         [](Tree& t) {
             t.Write("lib/udev/rules.d/85-brltty.rules", kBrailleRule);
             t.Write("usr/bin/brltty", "");
             t.Link("etc/udev/rules.d/85-brltty.rules", "/dev/null");
         },
         "/dev/ttyUSB1",
         true,
         "not found",
         {"brltty: installed; none of its rules in force claims a cable chip"}},
        {"ModemManager without the cable rule",
         [](Tree& t) {
             t.UsbPort("ttyACM0", "1a86", "5523", "cdc_acm");
             t.Write("proc/600/comm", "ModemManager\n");
         },
         "",
         true,
         "not checked",
         {"ModemManager: running while the cable rule is not installed", "sudo systemctl stop ModemManager"}},
        {"ModemManager with the cable rule",
         [](Tree& t) {
             t.Write("proc/600/comm", "ModemManager\n");
             t.Write("lib/udev/rules.d/70-lm418t-cable.rules", "# cable\n");
         },
         "",
         true,
         "",
         {"No USB serial port is present", "Cable rule: installed (/lib/udev/rules.d/70-lm418t-cable.rules)",
          "the cable rule keeps it away"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tree tree;
        c.make(tree);
        const SystemRoot root(tree.root);
        const Report report = Survey(root, Alice(c.inDialout), c.port, false);
        const std::string text = FormatReport(report);
        if (c.verdict.empty()) {
            EXPECT_TRUE(report.ports.empty()) << text;
        } else {
            ASSERT_EQ(report.ports.size(), 1u) << text;
            EXPECT_EQ(VerdictText(report.ports[0], report.machine), c.verdict) << text;
        }
        for (const std::string& line : c.says)
            EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
        EXPECT_FALSE(AnyRadioAnswered(report));
    }
}

}  // namespace
}  // namespace lm::doctor

namespace lm::doctor {
namespace {

// The cable rule the package installs names exactly the chips the cable check knows, under the name it looks
// for.
TEST(CableRule, NamesEveryChipOfTheCableCheck) {
    std::ifstream in(std::string(LM_SOURCE_DIR) + "/src/resources/udev/" + kCableRuleName);
    ASSERT_TRUE(in) << kCableRuleName;
    std::set<std::string> inRule;
    const std::regex pair(R"re(idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})")re");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, pair)) inRule.insert(m[1].str() + ":" + m[2].str());
    }
    std::set<std::string> known;
    for (const CableChip& chip : CableChips()) known.insert(UsbIdText(chip.vendor, chip.product));
    EXPECT_EQ(inRule, known);
}

}  // namespace
}  // namespace lm::doctor
