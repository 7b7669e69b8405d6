#include "windows/editors/settings_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include "widgets/child_frame.h"
#include "widgets/teardown.h"
#include "widgets/translate.h"

namespace lm {

SettingsWindow::SettingsWindow(SettingWindow window, const char* section, QSize size, TDocument& document,
                               QWidget* parent)
    : QWidget(parent),
      window_(window),
      document_(document),
      binder_(new SettingsBinder(window, document, this)) {
    setObjectName(section);
    setWindowTitle(QString::fromUtf8(WindowCaption(window).data(), qsizetype(WindowCaption(window).size())));
    setAttribute(Qt::WA_DeleteOnClose);
    MarkAsForm(this);
    setFixedSize(size);
    ChildFrame::Install(this);
}

SettingsWindow::~SettingsWindow() { DisconnectChildren(this); }

void SettingsWindow::Load() {
    binder_->SetLoading(true);
    TranslateOnOpen(this, true);
    Prepare();
    binder_->LoadValues();
    FitLabelledBoxes(this, rows_);
    binder_->SetLoading(false);
}

QLabel* SettingsWindow::Label(const char* name, const QString& text, QWidget* parent, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 150, 22);
    return label;
}

QGroupBox* SettingsWindow::Group(const char* name, const QString& title, QRect geometry, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QComboBox* SettingsWindow::Row(const char* component, QWidget* parent, int x, int y, int width) {
    const Setting* s = FindSettingByComponent(window_, component);
    const std::string labelName(s->labelComponent);
    QLabel* label = Label(labelName.c_str(), QString::fromUtf8(s->label.data(), qsizetype(s->label.size())),
                          parent, x, y);
    QComboBox* combo = binder_->Combo(component, parent);
    combo->setGeometry(x + 150, y, width, 22);
    rows_.push_back({label, combo});
    return combo;
}

void SettingsWindow::CloseButton(int x, int y) {
    auto* button = new QPushButton("&Close", this);
    button->setObjectName("btnCancel");
    button->setGeometry(x, y, 75, 25);
    connect(button, &QPushButton::clicked, this, &SettingsWindow::btnCancelClick);
}

void SettingsWindow::btnCancelClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

}  // namespace lm
