#include "fill/fold.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "text/utf8.h"

namespace kven::fill {

namespace {

// Marks a word may carry that a grid does not: spaces, hyphens, apostrophes.
constexpr bool IsDropped(char32_t c) {
  return c == U' ' || c == U'-' || c == U'\'' || c == 0xA0 || c == 0x2010 || c == 0x2011 || c == 0x2018 ||
         c == 0x2019 || c == 0x02BC;
}

// Appends an ASCII character's letter; false for anything but a letter or a
// dropped mark, or when the word grows too long.
bool AppendAscii(char32_t c, std::string& out) {
  if (IsDropped(c)) return true;
  if (c >= U'a' && c <= U'z') c -= U'a' - U'A';
  if (c < U'A' || c > U'Z' || out.size() == MaxWordLength) return false;
  out += static_cast<char>(c);
  return true;
}

// Letters of any script and the accents written as marks of their own pass
// to the transliteration; it decides which of them are Latin.
bool MayBeLetter(char32_t c) {
  if (IsDropped(c) || u_isalpha(static_cast<UChar32>(c))) return true;
  const std::int8_t type = u_charType(static_cast<UChar32>(c));
  return type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK;
}

}  // namespace

struct Folder::Transliteration {
  std::unique_ptr<icu::Transliterator> latinAscii;
};

Folder::Folder() = default;
Folder::~Folder() = default;

bool Folder::Fold(std::string_view entry, std::string& out) {
  out.clear();
  bool ascii = true;
  for (const char ch : entry) {
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
    if (!AppendAscii(static_cast<unsigned char>(ch), out)) return false;
  }
  if (!ascii && !FoldUnicode(entry, out)) return false;
  return out.size() >= MinWordLength;
}

bool Folder::FoldUnicode(std::string_view entry, std::string& out) {
  out.clear();
  icu::UnicodeString text;
  const bool utf8 = IsValidUtf8(entry);
  for (std::size_t i = 0; i < entry.size();) {
    const char32_t c = utf8 ? *NextUtf8(entry, i) : static_cast<unsigned char>(entry[i++]);
    if (!MayBeLetter(c)) return false;
    text.append(static_cast<UChar32>(c));
  }
  if (!latinAscii_ && !unavailable_) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    if (U_SUCCESS(status) && made) latinAscii_ = std::make_unique<Transliteration>(Transliteration{std::move(made)});
    unavailable_ = latinAscii_ == nullptr;
  }
  if (latinAscii_) latinAscii_->latinAscii->transliterate(text);
  // What is left beyond ASCII belongs to no Latin alphabet.
  for (int32_t k = 0; k < text.length(); ++k) {
    const char16_t unit = text.charAt(k);
    if (unit >= 0x80 || !AppendAscii(unit, out)) return false;
  }
  return true;
}

std::optional<std::string> FoldEntry(std::string_view entry) {
  Folder folder;
  std::string out;
  if (!folder.Fold(entry, out)) return std::nullopt;
  return out;
}

}  // namespace kven::fill
