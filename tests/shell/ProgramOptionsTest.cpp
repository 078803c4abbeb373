#include "shell/ProgramOptions.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

using Args = std::vector<std::string>;

TEST(ProgramOptions, APuzzleTheFolderAndToolkitOptionsAreToldApartAndBadUsageIsNamed) {
  ProgramOptions o = ParseProgramOptions({"-platform", "offscreen", "--program-dir", "/p", "12.gx", "-reverse"});
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.program_dir, "/p");
  EXPECT_EQ(o.puzzle_file, "12.gx");
  EXPECT_EQ(o.toolkit_args, (Args{"-platform", "offscreen", "-reverse"}));
  EXPECT_FALSE(o.help || o.version);

  o = ParseProgramOptions({"--program-dir=/q", "--style", "fusion", "--", "-odd name.gx"});
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.program_dir, "/q");
  EXPECT_EQ(o.puzzle_file, "-odd name.gx");
  EXPECT_EQ(o.toolkit_args, (Args{"--style", "fusion"}));

  EXPECT_TRUE(ParseProgramOptions({"-h"}).help);
  EXPECT_TRUE(ParseProgramOptions({"x.gx", "--help"}).help);
  EXPECT_TRUE(ParseProgramOptions({"--version"}).version);
  EXPECT_FALSE(ParseProgramOptions({}).puzzle_file.has_value());

  EXPECT_EQ(ParseProgramOptions({"--bogus"}).error, "unknown option --bogus");
  EXPECT_EQ(ParseProgramOptions({"a.gx", "b.gx"}).error, "only one puzzle file may be given, not also b.gx");
  EXPECT_EQ(ParseProgramOptions({"--program-dir"}).error, "--program-dir needs a folder");
  EXPECT_EQ(ParseProgramOptions({"--program-dir="}).error, "--program-dir needs a folder");
  EXPECT_EQ(ParseProgramOptions({"--program-dir", "/a", "--program-dir", "/b"}).error, "--program-dir given twice");
  EXPECT_EQ(ParseProgramOptions({"-style"}).error, "option -style needs a value");
}

}  // namespace
}  // namespace gx
