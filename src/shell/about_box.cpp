#include "shell/about_box.h"

#include <QLabel>
#include <QMouseEvent>

#include "core/state.h"
#include "shell/artwork.h"
#include "shell/translate.h"

namespace lm {

TfFrmAbout::TfFrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("fFrmAbout");
    setWindowTitle("About");
    picture_ = new QLabel(this);
    picture_->setObjectName("ImApp");
    picture_->setGeometry(20, 15, 32, 32);
    picture_->installEventFilter(this);
    for (int i = 0; i < kLines; ++i) {
        lines_[i] = new QLabel(QString::number(i + 1), this);
        lines_[i]->setObjectName(QString("lStr%1").arg(i + 1));
        lines_[i]->setGeometry(72, kLineTops[i], 410, kLineHeight);
    }
    // 1. the application's icon; 2. the texts of the language file, whatever LanguageId is; 3. the title.
    picture_->setPixmap(ApplicationPixmap(32));
    TranslateForm(this, gAll.LanguageName, true);
    setWindowTitle(QString::fromStdString(gAll.ProductTitle));
    setFixedSize(500, HeightFor(lines_));
}

int TfFrmAbout::HeightFor(const QLabel* const lines[kLines]) {
    auto bottom = [&](int i) { return lines[i]->geometry().top() + lines[i]->geometry().height() + 55; };
    int h = bottom(4);
    for (int i = 5; i < kLines; ++i) {
        if (!lines[i]->text().trimmed().isEmpty()) h = bottom(i);
    }
    return h;
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event) {
    // The picture does not react to the mouse.
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) return true;
    return QDialog::eventFilter(watched, event);
}

void RunAboutBox(QWidget* parent) {
    TfFrmAbout box(parent);
    box.exec();
}

}  // namespace lm
