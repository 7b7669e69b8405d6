#include "widgets/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace lm {

namespace {

// A "," typed into a number counts as the decimal point, whatever the keyboard's locale.
class CommaAsPoint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->text() == QLatin1String(",")) {
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(QStringLiteral("."));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

KeyFilter::KeyFilter(QString allowed, QObject* parent) : QObject(parent), allowed_(std::move(allowed)) {}

bool KeyFilter::Admits(const QString& text) const {
    if (text.size() != 1) return text.isEmpty();
    const QChar c = text.front();
    if (c == QChar(8) || c == QChar(13) || c == QChar('\n')) return true;
    return allowed_.contains(c);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
            case Qt::Key_Backspace:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return QObject::eventFilter(watched, event);
            default:
                break;
        }
        if (!Admits(key->text())) return true;
    }
    return QObject::eventFilter(watched, event);
}

QString PasswordCharacters() { return QStringLiteral("0123456789."); }

void InstallKeyFilter(QLineEdit* edit, const QString& allowed) {
    edit->installEventFilter(new KeyFilter(allowed, edit));
    const QString pattern = QStringLiteral("[%1]*").arg(QRegularExpression::escape(allowed));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

void InstallNumberKeyFilter(QLineEdit* edit, const QString& allowed) {
    InstallKeyFilter(edit, allowed);
    edit->installEventFilter(new CommaAsPoint(edit));  // installed last, so it sees the key first
}

}  // namespace lm
