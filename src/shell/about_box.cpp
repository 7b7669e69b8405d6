#include "shell/about_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "core/models.h"
#include "core/state.h"
#include "version/version.h"
#include "widgets/artwork.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"

namespace lm {

QString TfFrmAbout::WithVersion(QString text) {
    return text.replace(QLatin1String(kVersionMark), QLatin1String(kProgramVersion));
}

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
    TranslateForm(this, WindowPreferences().LanguageName, true);
    for (QLabel* line : lines_) line->setText(WithVersion(line->text()));
    setWindowTitle(QString::fromStdString(ProductCatalogue().ProductTitle));
    // 4. The height. Until the window system reports its frame, the whole height is the client area's.
    outerHeight_ = HeightFor(lines_);
    setFixedSize(kWidth, outerHeight_);
}

namespace {

// A text with something left when blanks and control characters are taken from both ends.
bool HasText(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x20; });
}

}  // namespace

int TfFrmAbout::HeightFor(const QLabel* const lines[kLines]) {
    auto bottom = [&](int i) { return lines[i]->geometry().top() + lines[i]->geometry().height() + 55; };
    int h = bottom(4);
    for (int i = 5; i < kLines; ++i) {
        if (HasText(lines[i]->text())) h = bottom(i);
    }
    return h;
}

void TfFrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The rule sets the outer height: where the frame is known by now, the client area gives up its height.
    const int frame = frameGeometry().height() - geometry().height();
    if (frame > 0 && frame < outerHeight_) setFixedSize(kWidth, outerHeight_ - frame);
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
