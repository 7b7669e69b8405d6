// The simulated radio's runner over a pseudo-terminal: a whole write session saved as a data file.
#include <gtest/gtest.h>

#include <vector>

#include "cli_helpers.h"
#include "port/serial_port.h"
#include "sim_fixture.h"

namespace lm {
namespace {

// Sends one frame and waits until the radio's answer has reached the expected total.
bool Exchange(SerialPort& port, QByteArray& got, const std::vector<std::uint8_t>& frame, int total) {
    return port.Write(frame) && test::SpinUntil([&] { return got.size() >= total; }, 2000);
}

TEST(SimRunnerPty, WriteSessionIsSavedAfterTheEndFrame) {
    test::TempDir dir;
    sim::RunnerOptions options = test::SimThread::Unpaced();
    options.savePath = dir.File("written.dat");
    const sim::Memory before = test::ValidRadio(3);
    test::SimThread sim(before, {}, options);
    const std::string device = sim.Start();
    SerialPort port;
    std::string detail;
    ASSERT_TRUE(port.Open(device, detail)) << detail;
    QByteArray got;
    QObject::connect(&port, &SerialPort::received, [&](const QByteArray& b) { got += b; });
    ASSERT_TRUE(Exchange(port, got, {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x62}, 1));
    ASSERT_TRUE(Exchange(port, got, {0x02}, 17));
    std::vector<std::uint8_t> confirm{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h',
                                      'i', 'j', 'k', 'l', 'm', 'n', 'o'};
    confirm.push_back(sim::ConfirmCheckByte(confirm.data()));
    ASSERT_TRUE(Exchange(port, got, confirm, 18));
    EXPECT_EQ(static_cast<std::uint8_t>(got[17]), sim::ConfirmAnswer(confirm.data()));
    ASSERT_TRUE(Exchange(port, got, {0x06}, 19));
    for (int f = 0; f < 58; ++f) {
        std::vector<std::uint8_t> frame{'W', static_cast<std::uint8_t>(8 * f >> 8),
                                        static_cast<std::uint8_t>(8 * f), 8};
        for (int i = 0; i < 8; ++i) frame.push_back(static_cast<std::uint8_t>(f));
        ASSERT_TRUE(Exchange(port, got, frame, 20 + f)) << f;
    }
    EXPECT_EQ(got.right(58), QByteArray(58, 0x06));
    EXPECT_FALSE(std::filesystem::exists(options.savePath));  // only a finished session is saved
    ASSERT_TRUE(Exchange(port, got, {'E'}, 0));
    ASSERT_TRUE(test::SpinUntil([&] { return std::filesystem::exists(options.savePath); }, 2000));
    port.Close();
    sim.Stop();
    const auto file = test::ReadBytes(options.savePath);
    ASSERT_EQ(file.size(), 544u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "LM41LM41");
    for (int a = 0; a < sim::kMemoryBytes; ++a) ASSERT_EQ(file[16 + a], a < 464 ? a / 8 : before[a]) << a;
}

}  // namespace
}  // namespace lm
