#include "windows/editors/info_msg.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "core/radio_info.h"
#include "widgets/child_frame.h"
#include "widgets/translate.h"

namespace lm {

TfInfoMsg::TfInfoMsg(const TALL& radio, QWidget* parent) : QWidget(parent), radio_(radio) {
    setObjectName("fInfoMsg");
    setWindowTitle("Radio Information");
    setAttribute(Qt::WA_DeleteOnClose);
    MarkAsForm(this);
    setFixedSize(315, 246);
    ChildFrame::Install(this);

    auto* frame = new QFrame(this);
    frame->setObjectName("Panel1");
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(8, 8, 299, 192);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const RadioInfoField& f : RadioInfoFields()) {
        auto* label = new QLabel(f.label, frame);
        label->setObjectName(f.labelName);
        QLineEdit* field = Field(f.fieldName, f.maxLength);
        field->setParent(frame);
        fields_.push_back(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setVisible(false);
    btnCancel = new QPushButton("&Close", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(232, 212, 75, 25);
    connect(btnCancel, &QPushButton::clicked, this, &TfInfoMsg::btnCancelClick);
}

QLineEdit* TfInfoMsg::Field(const char* name, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setMaxLength(maxLength);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    edit->setPalette(p);
    return edit;
}

void TfInfoMsg::Load() {
    TranslateOnOpen(this, true);
    const std::vector<RadioInfoField>& fields = RadioInfoFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields_[i]->setText(QString::fromStdString(fields[i].value(radio_)));
        fields_[i]->setCursorPosition(0);
    }
}

void TfInfoMsg::btnCancelClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

QWidget* CreateInfoWindow(const TALL& radio) {
    auto* window = new TfInfoMsg(radio);
    window->Load();
    return window;
}

}  // namespace lm
