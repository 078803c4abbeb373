#include "shell/Startup.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(Startup, TheScoreIsRightAlignedInThreeCharacters) {
  EXPECT_EQ(ScoreText(0), "  0");
  EXPECT_EQ(ScoreText(5), "  5");
  EXPECT_EQ(ScoreText(42), " 42");
  EXPECT_EQ(ScoreText(999), "999");
}

TEST(Startup, PuzzlesLiveInTheDataFolderOfTheProgramFolder) {
  Gridlex state;
  state.settings.ProgramDir = "/home/user/gridlex";
  EXPECT_EQ(DataFolder(state), "/home/user/gridlex/data");
  EXPECT_FALSE(CurrentProgramDir().empty());
}

}  // namespace
}  // namespace gx
