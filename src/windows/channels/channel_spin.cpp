#include "windows/channels/channel_spin.h"

#include <algorithm>

namespace lm {

ChannelSpin::ChannelSpin(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 1);
    setSingleStep(1);
    setKeyboardTracking(false);  // the channel changes when a typed number is confirmed
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State ChannelSpin::validate(QString& input, int& /*pos*/) const {
    const QString text = input.trimmed();
    if (text.isEmpty()) return QValidator::Intermediate;
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || text.startsWith('-') || text.startsWith('+')) return QValidator::Invalid;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

// SpinEditPropertiesValidate: a number above the maximum becomes the maximum, one below the minimum the
// minimum.
void ChannelSpin::fixup(QString& input) const {
    bool number = false;
    const long long value = input.trimmed().toLongLong(&number);
    if (!number) {
        input = QString::number(this->value());
        return;
    }
    input = QString::number(std::clamp<long long>(value, minimum(), maximum()));
}

}  // namespace lm
