// The program's own command line: help and version answered before any window, everything the
// toolkit leaves refused.

#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"

namespace {

TEST(CommandLineTest, HelpAndVersionAnswerAndEndTheProgram) {
  struct Case {
    std::vector<std::string> Arguments;
    std::string Expected;  // the start of the output
  };
  for (const Case& c : {Case{{"--help"}, "Usage: vocamir"}, Case{{"-h"}, "Usage: vocamir"},
                        Case{{"--version"}, "vocamir 3."},
                        Case{{"-platform", "offscreen", "--version"}, "vocamir 3."}}) {
    std::ostringstream out;
    EXPECT_EQ(app::AnswerCommandLine(c.Arguments, out), 0);
    EXPECT_EQ(out.str().rfind(c.Expected, 0), 0u) << out.str();
  }
}

TEST(CommandLineTest, OtherArgumentsStartTheProgramAndLeftoversAreRefused) {
  std::ostringstream out, err;
  EXPECT_EQ(app::AnswerCommandLine({}, out), std::nullopt);
  EXPECT_EQ(app::AnswerCommandLine({"-platform", "offscreen"}, out), std::nullopt);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(app::RejectLeftovers({}, err), 0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(app::RejectLeftovers({"--frobnicate"}, err), 2);
  EXPECT_NE(err.str().find("unknown argument \"--frobnicate\""), std::string::npos);
  EXPECT_NE(err.str().find("Usage: vocamir"), std::string::npos);
}

}  // namespace
