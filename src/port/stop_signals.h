#pragma once
// SIGINT and SIGTERM as events of the event loop, for as long as the object lives: a run that is being
// interrupted stops cleanly (radios between frames, a record of each) instead of the process ending on the
// spot. The signals are blocked and read from a descriptor, so no handler runs and nothing is global; keep
// the object only around a run of the event loop, since a blocking read elsewhere would not be interrupted. A
// signal that arrives after the loop's last turn is raised again when the object goes. Where the system
// offers no such descriptor, the signals keep their usual effect.
#include <QObject>
#include <memory>

class QSocketNotifier;

namespace lm {

class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The signal received first (SIGINT 2, SIGTERM 15), 0 while none has come.
    int Received() const { return received_; }
    // The exit status of a process ended by it: 128 + the signal.
    int ExitStatus() const { return received_ == 0 ? 0 : 128 + received_; }

signals:
    void stopRequested(int signal);

private:
    void Read();

    int fd_ = -1;
    int received_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace lm
