#include "test_signing.h"

#include <QByteArray>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <stdexcept>

#include "platform/linux/atomic_file.h"

namespace horalet::testing {

namespace {

std::string readKeyFile(const char* name)
{
    const platform::Result<std::string> contents
        = platform::os::readWholeFile(std::string(HORALET_UPDATER_TEST_KEYS) + "/" + name);
    if (!contents) {
        throw std::runtime_error(contents.error().withDetail());
    }
    return *contents;
}

} // namespace

std::string testPublicKeyBase64()
{
    return QByteArray::fromStdString(readKeyFile("test-public-key.txt")).trimmed().toStdString();
}

std::string signWithTestKey(std::string_view message)
{
    const std::string pem = readKeyFile("test-private-key.pem");
    const std::unique_ptr<BIO, decltype(&BIO_free)> bio(
        BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())), BIO_free);
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr), EVP_PKEY_free);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    std::string signature(64, '\0');
    std::size_t size = signature.size();
    if (!key || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
               reinterpret_cast<const unsigned char*>(message.data()), message.size())
            != 1) {
        throw std::runtime_error("cannot sign with the test key");
    }
    return signature;
}

std::string base64(std::string_view bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toBase64().toStdString();
}

std::string makePackage(const std::string& version, const std::string& output)
{
    std::string package = "#!/bin/sh\necho " + output + "\nexit 0\n";
    package += "HORALET-PACKAGE-VERSION:" + version;
    package.push_back('\0');
    return package;
}

} // namespace horalet::testing
