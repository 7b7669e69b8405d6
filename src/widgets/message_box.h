#pragma once
// Modal message boxes of the program, behind a seam that tests can answer in advance.
#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace lm {

// Kinds of message box: information with OK, question with Yes and No.
enum class MessageKind { Info = 1, Question = 2 };
// Buttons pressed, numbered as the platform numbers them.
enum class MessageAnswer { Ok = 1, Yes = 6, No = 7 };
inline constexpr MessageKind kMessageInfo = MessageKind::Info;
inline constexpr MessageKind kMessageQuestion = MessageKind::Question;
inline constexpr MessageAnswer kAnswerOk = MessageAnswer::Ok;
inline constexpr MessageAnswer kAnswerYes = MessageAnswer::Yes;
inline constexpr MessageAnswer kAnswerNo = MessageAnswer::No;

// Shows one message box and returns the button pressed.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer Show(QWidget* parent, const std::string& caption, const std::string& text,
                               MessageKind kind) = 0;
};

// Replaces the presenter (nullptr brings back the real message boxes); returns the previous one.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

// Shows a modal message box over the active window. Info: information icon and OK, returns Ok. Question:
// question icon with Yes and No, returns Yes or No.
MessageAnswer ShowMessageBox(const std::string& caption, const std::string& text, MessageKind kind);

// The common forms: an information under the caption "Confirmation", and a Yes/No question under it; the
// frequency warnings are informations under the caption "Caution". Captions come from the message table.
void ShowInformation(const std::string& text);
bool AskYesNo(const std::string& text);
void ShowCaution(const std::string& text);

// A presenter for tests: records every message and answers questions from a queue (No when it is empty).
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
