#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/entries.h"

namespace kven::puz {

// The layout of an Across Lite .puz file as it is publicly described: a
// header of 0x34 bytes, the solution and the player's grid (a byte a
// square, row by row), NUL-ended strings (title, author, copyright, the
// clues in number order with across before down, notes), then extra
// sections, each a four-letter name, a length, a checksum, the data and a NUL.
inline constexpr std::string_view Magic{"ACROSS&DOWN\0", 12};
inline constexpr std::size_t MagicAt = 0x02;
inline constexpr std::size_t CibChecksumAt = 0x0E;
inline constexpr std::size_t MaskedLowAt = 0x10;
inline constexpr std::size_t MaskedHighAt = 0x14;
inline constexpr std::size_t VersionAt = 0x18;
inline constexpr std::size_t ScrambledChecksumAt = 0x1E;
inline constexpr std::size_t WidthAt = 0x2C;
inline constexpr std::size_t HeightAt = 0x2D;
inline constexpr std::size_t ClueCountAt = 0x2E;
inline constexpr std::size_t PuzzleTypeAt = 0x30;
inline constexpr std::size_t ScrambledAt = 0x32;
inline constexpr std::size_t HeaderSize = 0x34;
// The part of the header the CIB checksum covers: width to scrambled tag.
inline constexpr std::size_t CibSize = 8;

inline constexpr std::uint16_t NormalPuzzle = 0x0001;
inline constexpr std::uint16_t DiagramlessBit = 0x0400;

inline constexpr char Block = '.';
inline constexpr char EmptySquare = '-';
// A GEXT byte of a circled square.
inline constexpr std::uint8_t Circled = 0x80;

// The XOR mask of the four checksums kept in the header.
inline constexpr std::string_view Mask = "ICHEATED";

// The format's checksum of a run of bytes, carried on from `start`.
std::uint16_t Checksum(std::string_view bytes, std::uint16_t start = 0);

// The texts the checksums cover, as the file holds them.
struct Texts {
  std::string title;
  std::string author;
  std::string copyright;
  std::vector<std::string> clues;
  std::string notes;
};

// The checksum of the texts carried on from `start`: title, author and
// copyright with their NULs when not empty, the clues without, the notes
// with theirs when not empty (from version 1.3 on).
std::uint16_t TextChecksum(const Texts& texts, bool withNotes, std::uint16_t start = 0);

// The header's checksums of a file whose CIB, solution and grid are given.
struct Checksums {
  std::uint16_t file = 0;
  std::uint16_t cib = 0;
  std::array<std::uint8_t, 8> masked{};
};
Checksums ComputeChecksums(std::string_view cib, std::string_view solution, std::string_view grid,
                           const Texts& texts, bool withNotes);

// The entries of a diagram numbered by its grid in the order of the file's
// clues: by number, across before down.
std::vector<DiagramEntry> ClueOrder(const Puzzle& p);

// Little-endian shorts.
inline std::uint16_t ReadShort(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}
inline void WriteShort(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

}  // namespace kven::puz
