#pragma once
// A message presenter for tests: records every message and answers questions from a queue (No when it is
// empty). Installed while it lives.
#include <deque>
#include <string>
#include <vector>

#include "widgets/message_box.h"

namespace lm {

class ScriptedMessages : public MessagePresenter {
public:
    struct Shown {
        std::string caption;
        std::string text;
        MessageKind kind = MessageKind::Info;
    };
    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    MessageAnswer Show(QWidget* parent, const std::string& caption, const std::string& text,
                       MessageKind kind) override;
    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    MessagePresenter* previous_ = nullptr;
    std::deque<MessageAnswer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace lm
