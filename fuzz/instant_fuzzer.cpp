// The --at parser: any text either gives a finite instant or none.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "app/cli/instant_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto instant = horalet::cli::parseInstant(text); instant && !std::isfinite(instant->secondsSinceEpoch)) {
        std::abort();
    }
    return 0;
}
