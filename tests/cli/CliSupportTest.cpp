#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli/CliOptions.h"
#include "cli/CliSupport.h"

namespace gx::cli {
namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
  auto path = std::filesystem::temp_directory_path() / ("gridlex-cli-support-" + std::to_string(::getpid()) + name);
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

TEST(CliArguments, OptionsStandAnywhereAndTakeTheNextArgument) {
  Arguments a({"--attempts", "12", "grid", "--dict-out", "--weird", "dict"},
              {{"--attempts", true}, {"--dict-out", true}}, 2, 2);
  EXPECT_EQ(a.Positional(0), "grid");
  EXPECT_EQ(a.Positional(1), "dict");
  EXPECT_EQ(a.Number("--attempts", 0, 65535, 256), 12u);
  EXPECT_EQ(a.Value("--dict-out"), "--weird");
  EXPECT_FALSE(a.Has("--lossy"));
}

TEST(CliArguments, BadUsageIsThrown) {
  std::vector<OptionSpec> options = {{"--lossy", false}, {"--board", true}};
  EXPECT_THROW(Arguments({"--lossy", "--lossy"}, options, 0, 1), UsageError);
  EXPECT_THROW(Arguments({"--board"}, options, 0, 1), UsageError);
  EXPECT_THROW(Arguments({"--other"}, options, 0, 1), UsageError);
  EXPECT_THROW(Arguments({"a", "b"}, options, 0, 1), UsageError);
  EXPECT_THROW(Arguments({}, options, 1, 1), UsageError);
  Arguments a({"--board", "12x"}, options, 0, 1);
  EXPECT_THROW(a.Number("--board", 9, 63, 21), UsageError);
  EXPECT_THROW(ParseDecimal("", 0, 10, "n"), UsageError);
  EXPECT_THROW(ParseDecimal("-1", 0, 10, "n"), UsageError);
  EXPECT_THROW(ParseDecimal("11", 0, 10, "n"), UsageError);
  EXPECT_THROW(ParseDecimal("99999999999999999999999", 0, 10, "n"), UsageError);
  EXPECT_EQ(ParseDecimal("007", 0, 10, "n"), 7u);
}

TEST(CliOptionsOfLaterCommands, RangesAndDefaults) {
  BuildOptions b = ParseBuildOptions({"ru.dct", "--seed", "5"});
  EXPECT_EQ(b.board, 21);
  EXPECT_EQ(b.min_slots, 4);
  EXPECT_EQ(b.attempts, 256);
  EXPECT_EQ(b.max_generations, 10000u);
  EXPECT_EQ(*b.random.seed, 5u);
  EXPECT_FALSE(b.out.has_value());
  EXPECT_THROW(ParseBuildOptions({"ru.dct", "--seed", "5", "--board", "65"}), UsageError);
  EXPECT_THROW(ParseBuildOptions({"ru.dct", "--seed", "5", "--min-slots", "129"}), UsageError);
  EXPECT_THROW(ParseBuildOptions({"ru.dct"}), UsageError);
  GenerateOptions g = ParseGenerateOptions({"--draws", "d.txt", "--board", "9"});
  EXPECT_EQ(g.board, 9);
  EXPECT_EQ(*g.random.draws_path, "d.txt");
  FillOptions f = ParseFillOptions({"g.txt", "d.dct", "--attempts", "0", "--dict-out", "o.dct"});
  EXPECT_EQ(f.attempts, 0);
  EXPECT_EQ(*f.dict_out, "o.dct");
}

TEST(CliDraws, WhitespaceSeparatedNumbers) {
  EXPECT_EQ(ReadDraws(WriteTemp("a", " 3\n17\t0\r\n  42 ")), (std::vector<std::uint64_t>{3, 17, 0, 42}));
  EXPECT_TRUE(ReadDraws(WriteTemp("b", "")).empty());
  EXPECT_THROW(ReadDraws(WriteTemp("c", "1 2 x")), UsageError);
  EXPECT_THROW(ReadDraws(WriteTemp("d", "1 -2")), UsageError);
  EXPECT_THROW(ReadDraws("/nonexistent/draws.txt"), IoFailure);
  for (const char* name : {"a", "b", "c", "d"}) std::filesystem::remove(WriteTemp(name, ""));
}

TEST(CliTextLines, MarksAndLineEnds) {
  EXPECT_EQ(SplitTextLines("\xEF\xBB\xBF" "a\r\nb\n\nc\n"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(SplitTextLines("a\rb"), (std::vector<std::string>{"a\rb"}));
  EXPECT_TRUE(SplitTextLines("").empty());
  EXPECT_EQ(SplitTextLines("\n"), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace gx::cli
