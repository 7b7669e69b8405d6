#include "scripted_messages.h"

namespace lm {

ScriptedMessages::ScriptedMessages() : previous_(SetMessagePresenter(this)) {}

ScriptedMessages::~ScriptedMessages() { SetMessagePresenter(previous_ == this ? nullptr : previous_); }

MessageAnswer ScriptedMessages::Show(QWidget*, const std::string& caption, const std::string& text,
                                     MessageKind kind) {
    shown_.push_back({caption, text, kind});
    if (kind != kMessageQuestion) return kAnswerOk;
    if (answers_.empty()) return kAnswerNo;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessages::texts() const {
    std::vector<std::string> list;
    for (const Shown& s : shown_) list.push_back(s.text);
    return list;
}

}  // namespace lm
