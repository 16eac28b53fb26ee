#include "formats/zip_archive.h"

#include <zip.h>

#include <cctype>
#include <memory>

namespace kven {

namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

bool NamesPuzzle(std::string_view name) {
  const auto ends = [name](std::string_view end) {
    if (name.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(name[name.size() - end.size() + i])) != end[i]) return false;
    return true;
  };
  return ends(".jpz") || ends(".xml");
}

}  // namespace

std::optional<std::string> FirstFileOfZip(std::string_view bytes, std::size_t maxBytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) {
    zip_error_fini(&error);
    return std::nullopt;
  }
  std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    return std::nullopt;
  }
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count <= 0) return std::nullopt;
  zip_uint64_t chosen = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
    if (name != nullptr && NamesPuzzle(name)) {
      chosen = static_cast<zip_uint64_t>(i);
      break;
    }
  }
  std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive.get(), chosen, 0));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[16384];
  for (;;) {
    const zip_int64_t read = zip_fread(file.get(), buffer, sizeof buffer);
    if (read < 0) return std::nullopt;
    if (read == 0) break;
    if (content.size() + static_cast<std::size_t>(read) > maxBytes) return std::nullopt;
    content.append(buffer, static_cast<std::size_t>(read));
  }
  return content;
}

}  // namespace kven
