#pragma once

#include <string>
#include <string_view>

namespace kven {

// SHA-256 of the bytes (through OpenSSL's libcrypto), as 64 lower-case hex
// digits, and as base64, the form a Content-Security-Policy hash takes.
std::string Sha256Hex(std::string_view bytes);
std::string Sha256Base64(std::string_view bytes);

}  // namespace kven
