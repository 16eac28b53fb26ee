// Feeds arbitrary bytes to the reader as an .xd crossword: every outcome must be a
// clean refusal, "not this format", or a puzzle that keeps the model's
// invariants and comes back from its own export unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/xd_reader.h"
#include "format_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckFormatImport(kven::ReadXd(bytes), kven::FileFormat::Xd, kven::ReadXd);
  return 0;
}
