#pragma once

#include <string>
#include <string_view>

namespace horalet::testing {

// The test-only Ed25519 key pair kept beside these tests.
std::string testPublicKeyBase64();
// The raw 64-byte signature of `message` made with the test private key.
std::string signWithTestKey(std::string_view message);
std::string base64(std::string_view bytes);

// A package as a release makes it: a small shell program that prints
// `output`, followed by the version marker of `version`.
std::string makePackage(const std::string& version, const std::string& output = "new");

} // namespace horalet::testing
