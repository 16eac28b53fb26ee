#include "editing/undo_history.h"

#include <gtest/gtest.h>

#include <string>

namespace kven {
namespace {

// States are plain numbers here: what Undo returns is what was before.
TEST(UndoHistory, WalksBackAndForthAndForgetsWhatANewChangeReplaces) {
  UndoHistory<int> history;
  EXPECT_FALSE(history.CanUndo() || history.CanRedo());
  history.Record("Block", 0, 1);
  history.Record("Bar", 1, 2);
  history.Record("Clear", 2, 3);
  EXPECT_EQ(history.UndoName(), "Clear");
  EXPECT_EQ(history.Undo(), 2);
  EXPECT_EQ(history.Undo(), 1);
  EXPECT_EQ(history.RedoName(), "Bar");
  EXPECT_EQ(history.Redo(), 2);
  EXPECT_EQ(history.UndoName(), "Bar");
  history.Record("New", 2, 9);  // "Clear" can no longer be redone
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Undo(), 2);
  EXPECT_EQ(history.Undo(), 1);
  EXPECT_EQ(history.Undo(), 0);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.Size(), 3u);
}

TEST(UndoHistory, ABurstOfTheSameChangeIsOneStepUntilSomethingIsUndone) {
  UndoHistory<std::string> history;
  history.Record("Title", "", "S", true);
  history.Record("Title", "S", "Su", true);
  history.Record("Title", "Su", "Sun", true);
  EXPECT_EQ(history.Size(), 1u);
  EXPECT_EQ(history.Undo(), "");
  EXPECT_EQ(history.Redo(), "Sun");
  // After an undo or redo, typing on is a step of its own.
  history.Record("Title", "Sun", "Sund", true);
  EXPECT_EQ(history.Size(), 2u);
  history.Record("Block", "Sund", "Sund#");
  history.Record("Title", "Sund#", "Sunda#", true);
  EXPECT_EQ(history.Size(), 4u);
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsCapacity) {
  UndoHistory<int> history(500);
  for (int i = 0; i < 600; ++i) history.Record("Block", i, i + 1);
  EXPECT_EQ(history.Size(), 500u);
  int undone = 0;
  int state = 600;
  for (; history.CanUndo(); ++undone) state = history.Undo();
  EXPECT_EQ(undone, 500);
  EXPECT_EQ(state, 100);
}

}  // namespace
}  // namespace kven
