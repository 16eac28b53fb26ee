#include "publish/digest.h"

#include <openssl/evp.h>

#include <array>

namespace kven {

namespace {

using Sha256 = std::array<unsigned char, 32>;

Sha256 Digest(std::string_view bytes) {
  Sha256 out{};
  unsigned int size = 0;
  EVP_Digest(bytes.data(), bytes.size(), out.data(), &size, EVP_sha256(), nullptr);
  return out;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
  static constexpr char Hex[] = "0123456789abcdef";
  std::string text;
  for (const unsigned char b : Digest(bytes)) {
    text += Hex[b >> 4];
    text += Hex[b & 15];
  }
  return text;
}

std::string Sha256Base64(std::string_view bytes) {
  const Sha256 digest = Digest(bytes);
  std::array<unsigned char, 4 * ((digest.size() + 2) / 3) + 1> text{};
  const int size = EVP_EncodeBlock(text.data(), digest.data(), static_cast<int>(digest.size()));
  return std::string(reinterpret_cast<const char*>(text.data()), static_cast<std::size_t>(size));
}

}  // namespace kven
