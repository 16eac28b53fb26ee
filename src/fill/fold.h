#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// An entry of a word list as a grid holds it: the letters A..Z.
namespace kven::fill {

inline constexpr int MinWordLength = 2;
inline constexpr int MaxWordLength = 30;

// Folds entries, taking each as UTF-8 when it is valid UTF-8, else as
// Latin-1: letters of any Latin alphabet lose their accents through ICU's
// Latin-ASCII transliteration ("Ștefan" STEFAN, "Straße" STRASSE), spaces,
// hyphens and apostrophes are dropped, and an entry holding anything else (a
// digit, another symbol, a letter of no Latin alphabet) does not fold, nor
// does one of fewer than MinWordLength or more than MaxWordLength letters.
// One folder serves one thread; it makes the transliterator at the first
// entry beyond ASCII.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // The entry's letters into `out`; false when it does not fold.
  bool Fold(std::string_view entry, std::string& out);

 private:
  bool FoldUnicode(std::string_view entry, std::string& out);

  struct Transliteration;  // ICU's Latin-ASCII
  std::unique_ptr<Transliteration> latinAscii_;
  bool unavailable_ = false;  // ICU could not make it: only ASCII folds
};

// Folds one entry with a folder of its own.
std::optional<std::string> FoldEntry(std::string_view entry);

}  // namespace kven::fill
