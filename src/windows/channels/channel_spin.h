#pragma once
// The channel number edit of the channel edit window: whole numbers may be typed freely, and a confirmed
// number outside minimum .. maximum is pulled to the nearer limit without a message.
#include <QSpinBox>

namespace lm {

class ChannelSpin : public QSpinBox {
    Q_OBJECT

public:
    explicit ChannelSpin(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

}  // namespace lm
