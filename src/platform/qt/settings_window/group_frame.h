#pragma once

#include <QFrame>

namespace horalet::platform::qt {

// The rounded box that holds one section's rows, in the base colour of the
// palette, with a hairline between consecutive rows.
class GroupFrame final : public QFrame {
    Q_OBJECT

public:
    explicit GroupFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace horalet::platform::qt
