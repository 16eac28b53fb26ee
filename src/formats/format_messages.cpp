#include "formats/format_messages.h"

#include "formats/import.h"

namespace kven::message {

std::string WithArticle(std::string_view name) {
  const bool vowel = (!name.empty() && std::string_view("AEIOUaeiou").find(name.front()) != std::string_view::npos) ||
                     name.starts_with("xd");
  return (vowel ? "an " : "a ") + std::string(name);
}

std::string ImportRefusal(FileFormat format, std::string_view reason) {
  return "Cannot import this " + std::string(InfoOf(format).name) + ": " + std::string(reason) + ".";
}

std::string WriteRefusal(FileFormat format, std::string_view reason) {
  return "Cannot write this puzzle as " + WithArticle(InfoOf(format).name) + ": " + std::string(reason) + ".";
}

std::string LeftOut(FileFormat format, std::string_view what) {
  return "The " + std::string(InfoOf(format).name) + " has no place for " + std::string(what) + ": left out.";
}

}  // namespace kven::message

namespace kven {

ImportRefused::ImportRefused(FileFormat format, const std::string& reason)
    : std::runtime_error(message::ImportRefusal(format, reason)) {}

Import RefusedImport(FileFormat format, std::string message) {
  Import refused;
  refused.format = format;
  refused.outcome = ImportOutcome::Refused;
  refused.message = std::move(message);
  return refused;
}

Import GuardedImport(FileFormat format, const std::function<Import()>& read) {
  try {
    return read();
  } catch (const ImportRefused& refusal) {
    return RefusedImport(format, refusal.what());
  } catch (const std::exception&) {
    return RefusedImport(format, message::ImportRefusal(format, "it could not be read"));
  }
}

}  // namespace kven
