#pragma once

#include <QAbstractButton>

namespace horalet::platform::qt {

// An on/off switch: a check box drawn as a sliding knob in a track, filled
// with the accent colour while on. Mouse, Space and Tab work as on any
// check box.
class SwitchButton final : public QAbstractButton {
    Q_OBJECT

public:
    explicit SwitchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace horalet::platform::qt
