#pragma once
// Helpers of the read and write dialog tests: controls by name, the dialog's line, a message presenter that
// notes when each message was shown and what the progress bar showed then, and a watch on the event loop.
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "gui_common/scripted_messages.h"
#include "port/radio_link.h"
#include "widgets/message_box.h"

namespace dlgtest {

inline QPushButton* Button(QWidget* d, const char* name) { return d->findChild<QPushButton*>(name); }
inline QProgressBar* Bar(QWidget* d) { return d->findChild<QProgressBar*>("pBar"); }
inline QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
// The line the dialog opened when it was shown.
inline lm::RadioLink* Line(QWidget* d) { return d->findChild<lm::RadioLink*>(); }

// Shows the dialog and waits until its port is open.
inline void ShowDialog(QDialog& d) {
    d.show();
    QTest::qWait(150);
}

// Records every message like ScriptedMessages, with the time it was closed (ms since the presenter was made)
// and the position of the watched progress bar while it was open.
class TimedMessages : public lm::ScriptedMessages {
public:
    TimedMessages() { clock_.start(); }
    void Watch(QProgressBar* bar) { bar_ = bar; }
    lm::MessageAnswer Show(QWidget* parent, const std::string& caption, const std::string& text,
                           lm::MessageKind kind) override {
        barAtMessage.push_back(bar_ != nullptr ? bar_->value() : -1);
        closedAtMs.push_back(clock_.elapsed());
        return lm::ScriptedMessages::Show(parent, caption, text, kind);
    }
    qint64 Now() const { return clock_.elapsed(); }

    std::vector<int> barAtMessage;
    std::vector<qint64> closedAtMs;

private:
    QElapsedTimer clock_;
    QProgressBar* bar_ = nullptr;
};

// Measures the longest time the event loop went without turning, with a 5 ms timer.
class LoopWatch {
public:
    LoopWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longestMs_ = std::max(longestMs_, clock_.restart()); });
        clock_.start();
        timer_.start(5);
    }
    qint64 LongestGapMs() const { return longestMs_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longestMs_ = 0;
};

}  // namespace dlgtest
