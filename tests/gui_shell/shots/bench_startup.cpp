// Starts the program as lm418t does and reports, once the main window has painted itself, the time since the
// process started and the peak memory; then quits. scripts/bench-startup.sh runs it.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "globals/globals.h"
#include "settings/startup.h"
#include "shell/main_frm.h"
#include "shell/windows_wiring.h"
#include "widgets/artwork.h"

namespace {

// Seconds since the process was started by the kernel (start time in /proc/self/stat against the uptime).
double SecondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks after boot
    const double start = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return uptime - start;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown_s=%.3f peak_rss_mb=%.1f\n", SecondsSinceProcessStart(),
                            static_cast<double>(usage.ru_maxrss) / 1024.0);
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lm::RegisterWindows();
    QApplication::setWindowIcon(lm::ApplicationIcon());
    lm::StartupPaths paths =
        lm::RunStartup(lm::gPreferences, lm::gSession, lm::gLanguage, argc > 0 ? argv[0] : nullptr);
    // Nothing is written at the end: the window is not closed, only destroyed.
    lm::TfMainFrm window({lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}, paths.settingsPath);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.showMaximized();
    return app.exec();
}
