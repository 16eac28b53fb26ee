// Feeds arbitrary bytes to the reader as a Crossword Compiler .jpz document: every outcome must be a
// clean refusal, "not this format", or a puzzle that keeps the model's
// invariants and comes back from its own export unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/jpz_reader.h"
#include "format_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckFormatImport(kven::ReadJpz(bytes), kven::FileFormat::Jpz, kven::ReadJpz);
  // The same bytes as the file inside a zip archive, when they are one.
  CheckFormatImport(kven::ReadZippedJpz(bytes), kven::FileFormat::Jpz, kven::ReadJpz);
  return 0;
}
