#include "io/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kven::io {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error a close can bring (a delayed write failing).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

ReadResult Failed(ReadStatus status, int error = 0) { return {status, std::string(), error ? Reason(error) : ""}; }

ReadResult ReadOpen(int fd, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return Failed(ReadStatus::CannotOpen, EISDIR);
  if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > MaxInputBytes)
    return Failed(ReadStatus::TooLarge);
  ReadResult result;
  if (S_ISREG(info.st_mode)) result.bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return Failed(ReadStatus::CannotOpen, errno);
    }
    if (result.bytes.size() + static_cast<std::size_t>(got) > MaxInputBytes) return Failed(ReadStatus::TooLarge);
    result.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return result;
}

}  // namespace

ReadResult ReadFile(const std::string& path, Accept accept) {
  // Not blocking in open(): a pipe without a writer would wait for ever.
  const int flags = O_RDONLY | O_CLOEXEC | (accept == Accept::RegularFiles ? O_NONBLOCK : 0);
  Descriptor fd(::open(path.c_str(), flags));
  if (fd.get() < 0) return Failed(ReadStatus::CannotOpen, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return Failed(ReadStatus::CannotOpen, errno);
  if (accept == Accept::RegularFiles && !S_ISREG(info.st_mode)) return Failed(ReadStatus::CannotOpen, EINVAL);
  return ReadOpen(fd.get(), info);
}

ReadResult ReadDescriptor(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Failed(ReadStatus::CannotOpen, errno);
  return ReadOpen(fd, info);
}

std::string RealPath(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return std::string();
  std::string out(resolved);
  std::free(resolved);
  return out;
}

WriteResult WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return {false, Reason(errno)};
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

namespace {

WriteResult Error(int error) { return {false, Reason(error)}; }

// Into a device or a pipe: written directly, never created, truncated or replaced.
WriteResult WriteIntoSpecialFile(const std::string& path, const struct stat& info, std::string_view bytes) {
  if (S_ISDIR(info.st_mode)) return Error(EISDIR);
  if (!S_ISCHR(info.st_mode) && !S_ISBLK(info.st_mode) && !S_ISFIFO(info.st_mode)) return Error(EINVAL);
  // A pipe without a reader fails here instead of waiting for one.
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0 && errno == ENXIO && S_ISFIFO(info.st_mode)) return {false, "no program reads from the pipe"};
  if (fd.get() < 0) return Error(errno);
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  WriteResult result = WriteAll(fd.get(), bytes);
  if (fd.Close() != 0 && result.ok) result = Error(errno);
  return result;
}

// Through a temporary file beside the target, renamed over it once complete.
// Returns false with the error in `error` when the temporary file cannot be
// made; `result` then is not set.
bool ReplaceThroughTemporary(const std::string& path, const struct stat* existing, std::string_view bytes,
                             WriteResult& result, int& error) {
  std::string name = path + ".XXXXXX";
  const int raw = ::mkostemp(name.data(), O_CLOEXEC);
  if (raw < 0) {
    error = errno;
    return false;
  }
  Descriptor fd(raw);
  // The new file keeps the old one's owner and permissions (as far as the
  // user may give them), or gets those a new file gets.
  if (existing != nullptr) {
    [[maybe_unused]] const int owned = ::fchown(fd.get(), existing->st_uid, existing->st_gid);
    ::fchmod(fd.get(), existing->st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd.get(), 0666 & ~mask);
  }
  result = WriteAll(fd.get(), bytes);
  if (result.ok && ::fsync(fd.get()) != 0) result = Error(errno);
  if (fd.Close() != 0 && result.ok) result = Error(errno);
  if (result.ok && ::rename(name.c_str(), path.c_str()) != 0) result = Error(errno);
  if (!result.ok) ::unlink(name.c_str());
  return true;
}

// The folder allows no new file: the file itself is rewritten, and its old
// content put back should the new one not fit.
WriteResult RewriteInPlace(const std::string& path, std::string_view bytes) {
  ReadResult old = ReadFile(path, Accept::RegularFiles);
  if (old.status != ReadStatus::Read) return Error(EACCES);
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return Error(errno);
  WriteResult result = WriteAll(fd.get(), bytes);
  if (result.ok && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) result = Error(errno);
  if (result.ok && ::fsync(fd.get()) != 0) result = Error(errno);
  if (!result.ok) {
    ::lseek(fd.get(), 0, SEEK_SET);
    WriteAll(fd.get(), old.bytes);
    ::ftruncate(fd.get(), static_cast<off_t>(old.bytes.size()));
  }
  if (fd.Close() != 0 && result.ok) result = Error(errno);
  return result;
}

}  // namespace

WriteResult SaveFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Error(ENOENT);
  // A link is followed to what it names, so that the link itself stays.
  std::string target = RealPath(path);
  if (target.empty()) target = path;
  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (!exists && errno != ENOENT) return Error(errno);
  if (exists && !S_ISREG(info.st_mode)) return WriteIntoSpecialFile(target, info, bytes);

  WriteResult result;
  int error = 0;
  if (ReplaceThroughTemporary(target, exists ? &info : nullptr, bytes, result, error)) return result;
  if (exists && (error == EACCES || error == EPERM || error == EROFS) && ::access(target.c_str(), W_OK) == 0)
    return RewriteInPlace(target, bytes);
  return Error(error);
}

}  // namespace kven::io
