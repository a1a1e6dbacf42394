#pragma once

// Tests that need file permissions to bind. Root may write anywhere, so a folder made read-only
// stops only another user; under root such a test runs again as the user "nobody".
//
//   TEST(ReadOnlyTest, Something) {
//     if (const auto child = test::RunUnprivileged()) {
//       EXPECT_TRUE(*child);  // it ran as nobody
//       return;
//     }
//     ...  // the test itself, run by a user whom permissions bind
//   }

#include <gtest/gtest.h>

#include <optional>

namespace test {

// Nothing when this process is not root: the caller goes on with the test. Under root, runs the
// current test alone in a copy of this test binary (a copy, so that the other user can reach it
// wherever the build is) as nobody, and returns whether it passed, with its output.
std::optional<::testing::AssertionResult> RunUnprivileged();

}  // namespace test
