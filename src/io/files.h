#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading and writing whole files safely, with the operating system's own
// calls: a size limit on what is read, no blocking on a pipe the window
// opens, and saves that never leave a half-written file or replace anything
// that is not a regular file.
namespace kven::io {

// The most a text may hold: far above any letter or mailbox extract of a
// puzzle, far below what would strain the machine.
inline constexpr std::size_t MaxInputBytes = std::size_t{64} << 20;

enum class ReadStatus { Read, CannotOpen, TooLarge };

struct ReadResult {
  ReadStatus status = ReadStatus::Read;
  std::string bytes;   // the whole content when Read
  std::string reason;  // the system's reason when it could not be opened or read
};

// Which files a read accepts: the window opens regular files only (a pipe
// without a writer would freeze it); the command-line tool also reads
// devices and pipes named on its command line.
enum class Accept { RegularFiles, AnyReadable };

// Reads a whole file. A directory, a file that cannot be opened or read, and
// (for RegularFiles) anything but a regular file give CannotOpen; more than
// MaxInputBytes gives TooLarge, after reading no more than one byte past it.
ReadResult ReadFile(const std::string& path, Accept accept);
// The same for an open descriptor (standard input).
ReadResult ReadDescriptor(int fd);

struct WriteResult {
  bool ok = true;
  std::string reason;  // the system's reason when not ok
};

// Saves bytes as the file `path`. A regular file (or a new one) is written
// to a temporary file beside it that then replaces it, so a failed save
// leaves the old file whole; where the folder allows no new file, an
// existing writable file is written in place and put back as it was when
// that write fails. A device or a pipe with a reader is written into
// directly; a pipe without a reader, a directory or a socket is refused.
// A symbolic link is followed, and stays a link.
WriteResult SaveFile(const std::string& path, std::string_view bytes);

// The absolute path of what `path` names, links and "." and ".." resolved;
// empty when it names nothing.
std::string RealPath(const std::string& path);

// Writes all bytes to an open descriptor, however many calls that takes.
WriteResult WriteAll(int fd, std::string_view bytes);

}  // namespace kven::io
