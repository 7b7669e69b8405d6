#pragma once
// Modal message boxes of the program, behind a seam that tests can answer in advance.
#include <string>

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

}  // namespace lm
