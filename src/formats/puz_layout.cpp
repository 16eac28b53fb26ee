#include "formats/puz_layout.h"

#include <algorithm>

namespace kven::puz {

std::uint16_t Checksum(std::string_view bytes, std::uint16_t start) {
  std::uint16_t sum = start;
  for (const char c : bytes) {
    sum = static_cast<std::uint16_t>((sum & 1) != 0 ? (sum >> 1) + 0x8000 : sum >> 1);
    sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(c));
  }
  return sum;
}

std::uint16_t TextChecksum(const Texts& texts, bool withNotes, std::uint16_t start) {
  std::uint16_t sum = start;
  const auto withNul = [&sum](const std::string& text) {
    if (!text.empty()) sum = Checksum(std::string_view(text.c_str(), text.size() + 1), sum);
  };
  withNul(texts.title);
  withNul(texts.author);
  withNul(texts.copyright);
  for (const std::string& clue : texts.clues) sum = Checksum(clue, sum);
  if (withNotes) withNul(texts.notes);
  return sum;
}

Checksums ComputeChecksums(std::string_view cib, std::string_view solution, std::string_view grid,
                           const Texts& texts, bool withNotes) {
  Checksums sums;
  sums.cib = Checksum(cib);
  sums.file = TextChecksum(texts, withNotes, Checksum(grid, Checksum(solution, sums.cib)));
  const std::uint16_t parts[] = {sums.cib, Checksum(solution), Checksum(grid), TextChecksum(texts, withNotes)};
  for (std::size_t i = 0; i < 4; ++i) {
    sums.masked[i] = static_cast<std::uint8_t>(Mask[i] ^ (parts[i] & 0xFF));
    sums.masked[i + 4] = static_cast<std::uint8_t>(Mask[i + 4] ^ (parts[i] >> 8));
  }
  return sums;
}

std::vector<DiagramEntry> ClueOrder(const Puzzle& p) {
  std::vector<DiagramEntry> entries = DiagramEntries(p);
  // The entries come across first, each direction in reading order.
  std::stable_sort(entries.begin(), entries.end(), [&p](const DiagramEntry& a, const DiagramEntry& b) {
    return EntryNumber(p, a) < EntryNumber(p, b);
  });
  return entries;
}

}  // namespace kven::puz
