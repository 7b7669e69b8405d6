// The channel edit window: what the user's changes do. Every change stores the whole channel through the
// engine as one step of the program's document, and the window then shows what was stored.
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "core/channel_table.h"
#include "settings/language.h"
#include "widgets/message_box.h"
#include "widgets/window_language.h"
#include "windows/channels/info_edit.h"
#include "windows/channels/tone_option.h"

namespace lm {

namespace {

void ShowWarning(TFreqWarning warning) {
    const MessageRef message = WarningMessage(warning);
    if (!message.key.empty()) ShowCaution(WindowMessageText(message.key, message.text));
}

// "RX Frequency of channel 3".
std::string StepName(int field, int channel) {
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    return TitleLine(columns[static_cast<std::size_t>(ColumnOfField(field))].title) + " of channel " +
           std::to_string(channel);
}

// A typed frequency as the engine accepts it; nullopt (after the message ErrRange) when it cannot be read.
std::optional<std::string> AcceptedFrequency(const TALL& radio, const QString& text) {
    const TypedFrequency typed = CheckTypedFrequency(radio, text.toStdString(), UnreadableFrequency::Refuse);
    ShowWarning(typed.warning);
    return typed.text;
}

}  // namespace

void TfInfoEdit::SaveChannel(int field, const ChannelTexts& texts) {
    if (loading_) return;
    const bool wasLoading = std::exchange(loading_, true);
    const int n = document_.CurrentChannel();
    document_.Apply(StepName(field, n), [&](TALL& state) { lm::SaveChannel(state, n, texts); });
    LoadChannel();
    loading_ = wasLoading;
}

std::optional<std::string> TfInfoEdit::TypedFrequency(const QLineEdit* edit) {
    const bool wasLoading = std::exchange(loading_, true);  // no handler runs while a message is up
    std::optional<std::string> accepted = AcceptedFrequency(document_.State(), edit->text());
    loading_ = wasLoading;
    if (!accepted) LoadChannel();  // an unreadable frequency is not stored: the stored one shows again
    return accepted;
}

void TfInfoEdit::sexdChange(int value) {
    if (loading_) return;
    document_.SetCurrentChannel(value);  // the window hears it and loads the channel
}

void TfInfoEdit::eReceiveValueChanged() {
    if (loading_ || !cxRx_Freq->isModified()) return;
    cxRx_Freq->setModified(false);
    ChannelTexts texts = ControlTexts();
    if (!texts[cfRxFreq].empty()) {
        const std::optional<std::string> accepted = TypedFrequency(cxRx_Freq);
        if (!accepted) return;
        texts[cfRxFreq] = *accepted;
        if (texts[cfTxFreq].empty())
            texts[cfTxFreq] = *accepted;  // a new channel sends on its receive frequency
    }
    SaveChannel(cfRxFreq, texts);
}

void TfInfoEdit::eSendValueChanged() {
    if (loading_ || txGuard_ || !cxTx_Freq->isModified()) return;
    cxTx_Freq->setModified(false);
    ChannelTexts texts = ControlTexts();
    if (!texts[cfTxFreq].empty()) {
        const std::optional<std::string> accepted = TypedFrequency(cxTx_Freq);
        if (!accepted) return;
        texts[cfTxFreq] = *accepted;
        cxRxDcts->setFocus();
    }
    SaveChannel(cfTxFreq, texts);
}

void TfInfoEdit::cxDctsExit(QComboBox* box, int field) {
    if (loading_ || !box->isEnabled()) return;
    SaveChannel(field, ControlTexts());
}

void TfInfoEdit::cxDctsDblClick(QComboBox* box, int field) {
    std::string tone;
    if (!box->isEnabled() || !RunToneOption(this, tone)) return;
    box->setEditText(QString::fromStdString(tone));
    cxDctsExit(box, field);
}

bool TfInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched != btnClose) {
            // The field confirms its value first; then the focus moves on, unless storing moved it already.
            const QPointer<QWidget> field = qobject_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                this,
                [this, field] {
                    if (field.isNull() || QApplication::focusWidget() == nullptr) return;
                    if (field == QApplication::focusWidget() ||
                        field->isAncestorOf(QApplication::focusWidget()) ||
                        (field->focusProxy() != nullptr && field->focusProxy()->hasFocus()))
                        focusNextChild();
                },
                Qt::QueuedConnection);
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const auto& [box, field] : {std::pair{cxRxDcts, cfRxTone}, std::pair{cxTxDcts, cfTxTone}}) {
            if (watched == box->lineEdit()) {
                cxDctsDblClick(box, field);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lm
