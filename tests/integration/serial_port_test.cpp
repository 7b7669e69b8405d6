// The serial port adapter over a real pseudo-terminal, with the simulated radio on the other side.
#include "port/serial_port.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <cstdio>
#include <fstream>

#include "cli_helpers.h"
#include "port/port_access.h"
#include "sim_fixture.h"

namespace lm {
namespace {

sim::Memory Pattern() {
    sim::Memory m{};
    for (int a = 0; a < sim::kMemoryBytes; ++a) m[a] = static_cast<std::uint8_t>(a ^ 0x5A);
    return m;
}

const std::uint8_t kWake[8] = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x65};

TEST(SerialPortPty, FrameOutReplyInAndDrainAfterTheLineTime) {
    test::SimThread sim(Pattern(), {});
    const std::string device = sim.Start();
    ASSERT_FALSE(device.empty());
    SerialPort port;
    std::string detail;
    ASSERT_TRUE(port.Open(device, detail)) << detail;
    QByteArray got;
    bool drained = false;
    QObject::connect(&port, &SerialPort::received, [&](const QByteArray& b) { got += b; });
    QObject::connect(&port, &SerialPort::drained, [&] { drained = true; });
    EXPECT_TRUE(port.Purge());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(port.Write(kWake));
    ASSERT_TRUE(test::SpinUntil([&] { return drained; }));
    // Eight bytes take 8.3 ms on the wire; the drain is reported no earlier.
    EXPECT_GE(clock.nsecsElapsed(), SerialPort::LineTimeUs(8) * 1000);
    EXPECT_LT(clock.elapsed(), 200);
    ASSERT_TRUE(test::SpinUntil([&] { return got.size() >= 1; }));
    EXPECT_EQ(got, QByteArray(1, 0x06));
    port.Write(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("\x02"), 1));
    ASSERT_TRUE(test::SpinUntil([&] { return got.size() >= 17; }));
    EXPECT_EQ(got.mid(1, 5), QByteArray("P") + QByteArray(reinterpret_cast<const char*>(&Pattern()[433]), 4));
    EXPECT_EQ(static_cast<std::uint8_t>(got[7]), 0x56);  // echo of 0x65
    port.Close();
    sim.Stop();
    ASSERT_GE(sim.radio().log().size(), 2u);
    EXPECT_EQ(sim.radio().log()[0], "wake 0x065");
    EXPECT_EQ(sim.radio().log()[1], "ident");
}

TEST(SerialPortPty, PacedRadioKeepsTheLineSpeedBothWays) {
    test::SimThread sim(Pattern(), {}, sim::RunnerOptions{});
    const std::string device = sim.Start();
    SerialPort port;
    std::string detail;
    ASSERT_TRUE(port.Open(device, detail)) << detail;
    QByteArray got;
    QObject::connect(&port, &SerialPort::received, [&](const QByteArray& b) { got += b; });
    QElapsedTimer clock;
    clock.start();
    port.Write(kWake);
    ASSERT_TRUE(test::SpinUntil([&] { return got.size() >= 1; }));
    // The radio hears the eight bytes at 9600 baud and its one-byte answer takes its own line time.
    EXPECT_GE(clock.nsecsElapsed() / 1000, SerialPort::LineTimeUs(9));
    clock.restart();
    const std::uint8_t request[] = {0x02};
    port.Write(request);
    ASSERT_TRUE(test::SpinUntil([&] { return got.size() >= 17; }));
    const qint64 us = clock.nsecsElapsed() / 1000;
    EXPECT_GE(us, SerialPort::LineTimeUs(17));
    EXPECT_LT(us, SerialPort::LineTimeUs(17) + 15000);
}

TEST(SerialPortPty, DeviceThatVanishesIsReportedAndClosed) {
    test::SimThread sim(Pattern(), {.vanishAfter = 0});
    const std::string device = sim.Start();
    SerialPort port;
    std::string detail;
    ASSERT_TRUE(port.Open(device, detail)) << detail;
    QString lost;
    QObject::connect(&port, &SerialPort::portLost,
                     [&](const QString& why) { lost = why.isEmpty() ? "?" : why; });
    sim.radio();  // nothing is read from the radio while it runs
    const std::uint8_t frames[] = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x65, 0x02};
    port.Write(frames);
    // Hand-made session up to the block phase is not needed: a block request alone is where it vanishes.
    QByteArray junk;
    QObject::connect(&port, &SerialPort::received, [&](const QByteArray& b) { junk += b; });
    ASSERT_TRUE(test::SpinUntil([&] { return junk.size() >= 17; }));
    std::uint8_t confirm[16] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F', 0};
    confirm[15] = sim::ConfirmCheckByte(confirm);
    port.Write(confirm);
    ASSERT_TRUE(test::SpinUntil([&] { return junk.size() >= 18; }));
    const std::uint8_t request[] = {0x06, 'R', 0, 0, 0x10};
    port.Write(request);
    ASSERT_TRUE(test::SpinUntil([&] { return !lost.isEmpty(); }, 3000));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.QueuedOutput(), 0);
}

TEST(SerialPortPty, OpeningFailuresSayWhy) {
    SerialPort port;
    std::string detail;
    EXPECT_FALSE(port.Open("/dev/lm418t-no-such-port", detail));
    EXPECT_NE(detail.find("/dev/lm418t-no-such-port"), std::string::npos) << detail;
    EXPECT_FALSE(port.Open("", detail));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Purge());
    EXPECT_FALSE(port.Write(kWake));

    char path[] = "/tmp/lm418t-permXXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const group* g = getgrgid(getegid());
    ASSERT_NE(g, nullptr);
    const std::string advice = PermissionAdvice(path);
    EXPECT_NE(advice.find(std::string("\"") + g->gr_name + "\""), std::string::npos) << advice;
    EXPECT_NE(advice.find(std::string("sudo usermod -aG ") + g->gr_name + " $USER"), std::string::npos)
        << advice;
    std::remove(path);

    // A port that another program holds (here: another port object) is busy, not a matter of permission.
    test::SimThread sim(test::ValidRadio(1), {});
    const std::string device = sim.Start();
    SerialPort holder;
    ASSERT_TRUE(holder.Open(device, detail)) << detail;
    EXPECT_FALSE(port.Open(device, detail));
    EXPECT_NE(detail.find("is busy"), std::string::npos) << detail;
    EXPECT_EQ(detail.find("usermod"), std::string::npos) << detail;
    holder.Close();
    sim.Stop();

    EXPECT_EQ(PortDevicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(PortDevicePath("/dev/pts/3"), "/dev/pts/3");
}

}  // namespace
}  // namespace lm
