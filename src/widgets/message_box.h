#pragma once
// Modal message boxes of the program, behind a seam that tests can answer in advance.
#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace lm {

// Kinds of message box: information with OK, question with Yes and No.
constexpr int kMessageInfo = 1;
constexpr int kMessageQuestion = 2;
// Buttons pressed, numbered as the platform numbers them.
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Shows one message box and returns the button pressed.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual int Show(QWidget* parent, const std::string& caption, const std::string& text, int kind) = 0;
};

// Replaces the presenter (nullptr brings back the real message boxes); returns the previous one.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

// Shows a modal message box over the active window. Kind 1: information icon and OK, returns kAnswerOk.
// Kind 2: question icon with Yes and No, returns kAnswerYes or kAnswerNo.
int ShowMessageBox(const std::string& caption, const std::string& text, int kind);

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
        int kind = 0;
    };
    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void Answer(int answer) { answers_.push_back(answer); }
    int Show(QWidget* parent, const std::string& caption, const std::string& text, int kind) override;
    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    MessagePresenter* previous_ = nullptr;
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};

}  // namespace lm
