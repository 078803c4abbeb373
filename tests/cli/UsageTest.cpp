#include <gtest/gtest.h>

#include "CliRunner.h"

namespace gx::test {
namespace {

TEST(CliUsage, NoCommandIsBadUsage) {
  CliResult r = RunCli({});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_FALSE(r.err.empty());
  EXPECT_TRUE(r.out.empty());
}

}  // namespace
}  // namespace gx::test
