#include "windows/editors/info_msg.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "widgets/child_frame.h"
#include "widgets/translate.h"
#include "globals/globals.h"

namespace lm {

std::string SerialNumberText(const ImageBytes& image) {
    std::string text;
    for (int i = img::kSerialText; i < img::kSerialText + 16; ++i) {
        const std::uint8_t b = image[i];
        if (b >= 33 && b <= 126) text += static_cast<char>(b);
    }
    return text;
}

TfInfoMsg::TfInfoMsg(QWidget* parent) : QWidget(parent) {
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
    const struct {
        const char* label;
        const char* labelName;
        QLineEdit** field;
        const char* fieldName;
        int maxLength;
    } rows[] = {
        {"Model Type", "Label1", &cxModel, "cxModel", 32767},
        {"Frequency[MHz]", "Label2", &cxFreq, "cxFreq", 32767},
        {"Serial Number", "Label3", &cxSerial, "cxSerial", 16},
        {"Area", "Label6", &cxArea, "cxArea", 16},
        {"Write Time", "Label4", &cxRadioTime, "cxRadioTime", 32767},
        {"Leave Factory Time", "Label5", &cxLeaveTime, "cxLeaveTime", 32767},
    };
    int row = 0;
    for (const auto& r : rows) {
        auto* label = new QLabel(r.label, frame);
        label->setObjectName(r.labelName);
        *r.field = Field(r.fieldName, r.maxLength);
        (*r.field)->setParent(frame);
        grid->addWidget(label, row, 0);
        grid->addWidget(*r.field, row, 1);
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
    cxModel->setText(QString::fromStdString(gAll.ModelTitle));
    cxFreq->setText(QString::fromStdString(gAll.BandName));
    cxSerial->setText(QString::fromStdString(SerialNumberText(gAll.Image)));
    cxArea->setText(QString::fromStdString(gAll.AreaText));
    cxRadioTime->setText(QString::fromStdString(UnpackTimestamp(gAll.Image, img::kWriteStamp)));
    cxLeaveTime->setText(QString::fromStdString(UnpackTimestamp(gAll.Image, img::kFactoryStamp)));
    for (QLineEdit* e : {cxModel, cxFreq, cxSerial, cxArea, cxRadioTime, cxLeaveTime}) e->setCursorPosition(0);
}

void TfInfoMsg::btnCancelClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

QWidget* CreateInfoWindow() {
    auto* window = new TfInfoMsg;
    window->Load();
    return window;
}

}  // namespace lm
