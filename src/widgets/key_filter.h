#pragma once
// A key filter for text edits: only the characters of a given set reach the edit, besides Backspace and
// Enter. Keys that carry no character (arrows, Delete, Home ...) and Tab, Backtab and Escape pass unchanged;
// every other key with a character (Ctrl+V included) is discarded. Pasted text is held to the same set by a
// validator.
#include <QObject>
#include <QString>

class QLineEdit;

namespace lm {

class KeyFilter : public QObject {
    Q_OBJECT

public:
    KeyFilter(QString allowed, QObject* parent);
    // Whether a key that types `text` may reach the edit.
    bool Admits(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString allowed_;
};

// The characters of the password edits: digits and the point.
QString PasswordCharacters();
// Installs a KeyFilter with the allowed characters on the edit (owned by the edit) and a validator that holds
// pasted text to the same characters.
void InstallKeyFilter(QLineEdit* edit, const QString& allowed);
// The same for a number with a decimal point (a frequency, a tone): a typed "," counts as the point.
void InstallNumberKeyFilter(QLineEdit* edit, const QString& allowed);

}  // namespace lm
