#pragma once

#include <functional>
#include <string>

class QMainWindow;

namespace kven {

class Document;
class FormView;
class KvenGrid;

// What the pieces of the main window (its files and clipboard, its side
// windows) ask of it. The window implements it; each piece keeps a
// reference for its own life, which the window outlives.
class FormHost {
 public:
  virtual ~FormHost() = default;

  // The one document the window edits.
  virtual Document& document() = 0;
  virtual QMainWindow& window() = 0;
  virtual KvenGrid& grid() = 0;
  // The core's view of the window, with its controls.
  virtual FormView& view() = 0;
  // Runs `command` as one change for Undo named `name` (with `extend`, part
  // of the last step when that was a change of the same name). A command run
  // by another is part of that one.
  virtual void Change(const std::string& name, const std::function<void()>& command, bool extend = false) = 0;
  // The Clues panel comes up, showing the document's clues.
  virtual void RevealClues() = 0;
};

}  // namespace kven
