#include "platform/foundation/log.h"

#include <cstdio>
#include <string>
#include <utility>

namespace horalet::platform::log {

namespace {

void toStandardError(std::string_view line)
{
    std::fprintf(stderr, "horalet: %.*s\n", static_cast<int>(line.size()), line.data());
}

Sink& sink()
{
    static Sink current = toStandardError;
    return current;
}

} // namespace

void warning(std::string_view message)
{
    sink()(message);
}

void warning(const Error& error)
{
    warning(error.withDetail());
}

Sink setSink(Sink replacement)
{
    return std::exchange(sink(), replacement ? std::move(replacement) : Sink(toStandardError));
}

} // namespace horalet::platform::log
