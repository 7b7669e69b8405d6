#include "windows/editors/embedded_message.h"

#include <QLineEdit>
#include <QPushButton>

#include "widgets/key_filter.h"
#include "widgets/translate.h"

namespace lm {

QString EmbeddedMessageCharacters() {
    return QStringLiteral(" 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

TfEmbeddedMessage::TfEmbeddedMessage(QWidget* parent) : QDialog(parent) {
    setObjectName("fEmbeddedMessage");
    setWindowTitle("Embedded Message");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(279, 91);
    int top = 8;
    for (QLineEdit** edit : {&edEMA, &edEMB}) {
        *edit = new QLineEdit(this);
        (*edit)->setMaxLength(32);
        (*edit)->setGeometry(8, top, 263, 21);
        InstallKeyFilter(*edit, EmbeddedMessageCharacters());
        top += 27;
    }
    edEMA->setObjectName("edEMA");
    edEMB->setObjectName("edEMB");
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(115, 62, 75, 25);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(196, 62, 75, 25);
    connect(btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfEmbeddedMessage::reject);
}

void TfEmbeddedMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    TranslateOnOpen(this, true);
}

void RunEmbeddedMessageDialog(QWidget* parent) {
    TfEmbeddedMessage dialog(parent);
    dialog.exec();
}

}  // namespace lm
