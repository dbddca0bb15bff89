#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

#include "platform/foundation/instant.h"
#include "platform/ui/periodic_schedule.h"

namespace horalet::platform::qt {

// Holds content that changes at the entries of a periodic schedule. While
// it is shown, a precise single-shot timer waits for each next entry (by
// the schedule's clock) and has the content drawn for it; hidden, it waits
// for nothing.
class TimelineWidget final : public QWidget {
    Q_OBJECT

public:
    using DrawEntry = std::function<void(Instant)>;

    explicit TimelineWidget(QWidget* parent = nullptr);

    // Follows `schedule` from now on, drawing each entry with `drawEntry`.
    void follow(const ui::PeriodicSchedule& schedule, DrawEntry drawEntry);
    // Draws the entry that is due now, then waits for the next one.
    void tick();
    bool isWaiting() const { return timer_.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void waitForNextEntry();

    ui::PeriodicSchedule schedule_;
    DrawEntry drawEntry_;
    QTimer timer_;
};

} // namespace horalet::platform::qt
