#include "platform/updater/network/qt_update_network.h"

#include <QNetworkAccessManager>

#include "platform/updater/core/ed25519.h"
#include "platform/updater/network/http_transfer.h"

namespace horalet::platform::updater::engine {

namespace {

class QtUpdateNetwork final : public UpdateNetwork {
public:
    std::unique_ptr<Transfer> get(const QUrl& url, const TransferRules& rules, Sink sink, Done done) override
    {
        return std::make_unique<HttpTransfer>(network_, url, rules, std::move(sink), std::move(done));
    }

    Ed25519Verifier ed25519Verifier() const override { return engine::verifyEd25519; }

private:
    QNetworkAccessManager network_;
};

} // namespace

std::unique_ptr<UpdateNetwork> makeQtUpdateNetwork()
{
    return std::make_unique<QtUpdateNetwork>();
}

} // namespace horalet::platform::updater::engine
