#pragma once

#include <QUrl>

namespace horalet::platform::updater::engine {

// Whether the updater may fetch from `url`: https to any host, plain http
// only to a loopback address (tests and local mirrors), nothing else.
bool isFetchableLocation(const QUrl& url);

// Whether a redirect from `from` to `to` may be followed: `to` must be
// fetchable, and https never leads to http.
bool isAllowedRedirect(const QUrl& from, const QUrl& to);

} // namespace horalet::platform::updater::engine
