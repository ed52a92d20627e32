// The pauses of a run: before a question after Start or a right answer, and before the replay
// after a wrong answer.
#pragma once

namespace velunka {
inline constexpr int kRenzokuMs = 800;
inline constexpr int kRepeatMs = 800;
}  // namespace velunka
