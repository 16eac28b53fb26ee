#include "formats/format_messages.h"

#include "formats/import.h"
#include "text/utf8.h"

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

namespace {

// A document may say it is UTF-8 and hold other bytes; what the program
// keeps and writes on (ipuz, JSON, the web page) must be UTF-8.
void MakeTextsUtf8(Import& read) {
  const auto mend = [](std::string& text) {
    if (!IsValidUtf8(text)) text = ValidUtf8(text);
  };
  for (Clue& clue : read.clues.clues)
    for (std::string* text : {&clue.label, &clue.text, &clue.enumeration}) mend(*text);
  PuzzleFacts& facts = read.clues.facts;
  for (std::string* text : {&facts.title, &facts.author, &facts.copyright, &facts.notes, &facts.intro}) mend(*text);
  for (std::string* text : {&read.clues.acrossKey, &read.clues.downKey}) mend(*text);
  for (OtherClueList& list : read.clues.otherLists) mend(list.key);
}

}  // namespace

Import GuardedImport(FileFormat format, const std::function<Import()>& read) {
  try {
    Import imported = read();
    MakeTextsUtf8(imported);
    return imported;
  } catch (const ImportRefused& refusal) {
    return RefusedImport(format, refusal.what());
  } catch (const std::exception&) {
    return RefusedImport(format, message::ImportRefusal(format, "it could not be read"));
  }
}

}  // namespace kven
