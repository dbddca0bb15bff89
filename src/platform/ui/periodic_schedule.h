#pragma once

#include <optional>

#include "platform/foundation/clock.h"
#include "platform/foundation/instant.h"

namespace horalet::platform::ui {

// Entries at `start` and then every `interval` seconds after it, due by
// `clock` (which outlives the schedule). A schedule whose interval is not
// positive has its one entry at `start`.
struct PeriodicSchedule {
    Instant start;
    double interval = 1.0;
    const Clock* clock = nullptr;

    // The latest entry at or before `now`; none before the start.
    std::optional<Instant> entryAt(Instant now) const;
    // The first entry after `now`; none when no entry follows.
    std::optional<Instant> nextEntryAfter(Instant now) const;
};

} // namespace horalet::platform::ui
