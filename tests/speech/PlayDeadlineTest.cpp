#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <vector>

#include "speech/PlayDeadline.h"

namespace {

using namespace std::chrono_literals;
using speech::PlayDeadline;

struct Piece {
  std::chrono::milliseconds at;  // handed over, after the start
  std::size_t count;             // samples at 1000 Hz: one a millisecond
};

struct Case {
  const char* name;
  std::vector<Piece> pieces;
  std::chrono::milliseconds end;  // after the start
};

class PlayDeadlineCases : public testing::TestWithParam<Case> {};

TEST_P(PlayDeadlineCases, EndsWhenTheLastPieceHasPlayed) {
  const auto start = PlayDeadline::Clock::time_point() + 1h;
  PlayDeadline deadline;
  for (const Piece& piece : GetParam().pieces) deadline.Add(piece.count, 1000, start + piece.at);
  EXPECT_EQ(deadline.End(), start + GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, PlayDeadlineCases,
    testing::Values(Case{"One", {{0ms, 500}}, 500ms},
                    Case{"QueuedBehindOneStillPlaying", {{0ms, 500}, {100ms, 300}}, 800ms},
                    Case{"AfterAPause", {{0ms, 500}, {900ms, 300}}, 1200ms},
                    Case{"EmptyPieceChangesNothing", {{0ms, 500}, {2000ms, 0}}, 500ms}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
