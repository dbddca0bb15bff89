#pragma once

#include "platform/foundation/instant.h"

namespace horalet::platform {

// The source of "now". The real one reads the system clock; tests use a
// clock they set and advance by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
};

class SystemClock final : public Clock {
public:
    Instant now() const override;
};

} // namespace horalet::platform
