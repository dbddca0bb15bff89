#include "platform/updater/core/ed25519.h"

#include <memory>
#include <openssl/evp.h>

namespace horalet::platform::updater::engine {

namespace {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

const unsigned char* bytesOf(std::string_view text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

Key publicKeyFrom(std::string_view raw)
{
    if (raw.size() != kEd25519PublicKeySize) {
        return nullptr;
    }
    return Key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytesOf(raw), raw.size()));
}

} // namespace

bool verifyEd25519(std::string_view publicKey, std::string_view signature, std::string_view message)
{
    const Key key = publicKeyFrom(publicKey);
    if (!key || signature.size() != kEd25519SignatureSize) {
        return false;
    }
    const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1) {
        return false;
    }
    // Ed25519 verifies in one shot over the whole message.
    return EVP_DigestVerify(context.get(), bytesOf(signature), signature.size(), bytesOf(message), message.size()) == 1;
}

} // namespace horalet::platform::updater::engine
