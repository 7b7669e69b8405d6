#include "widgets/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/printable.h"
#include "settings/language.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

class QtMessagePresenter : public MessagePresenter {
public:
    MessageAnswer Show(QWidget* parent, const std::string& caption, const std::string& text,
                       MessageKind kind) override {
        QMessageBox box(parent);
        box.setWindowTitle(QString::fromStdString(caption));
        box.setText(QString::fromStdString(text));
        if (kind == kMessageQuestion) {
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
        }
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return kAnswerOk;
    }
};

QtMessagePresenter gQtPresenter;
MessagePresenter* gPresenter = &gQtPresenter;

}  // namespace

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = gPresenter;
    gPresenter = presenter != nullptr ? presenter : &gQtPresenter;
    return previous;
}

MessageAnswer ShowMessageBox(const std::string& caption, const std::string& text, MessageKind kind) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) parent = QApplication::activeWindow();
    // Messages quote names and values from files, the radio and the system: their control characters are
    // shown escaped and a huge line is cut.
    const MessageAnswer answer = gPresenter->Show(parent, caption, PrintableMessage(text), kind);
    if (kind == kMessageQuestion) return answer == kAnswerYes ? kAnswerYes : kAnswerNo;
    return kAnswerOk;
}

void ShowInformation(const std::string& text) {
    ShowMessageBox(WindowMessages().Confirmation, text, kMessageInfo);
}

bool AskYesNo(const std::string& text) {
    return ShowMessageBox(WindowMessages().Confirmation, text, kMessageQuestion) == kAnswerYes;
}

void ShowCaution(const std::string& text) { ShowMessageBox(WindowMessages().Caution, text, kMessageInfo); }

}  // namespace lm
