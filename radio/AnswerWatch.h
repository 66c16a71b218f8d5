#pragma once
// Whether a radio answers. A radio that is off, or on another baud rate or CI-V address,
// takes every command in silence and tracking simply stops sending (nothing goes out
// without an answer); this says so once it has lasted, and once more when answers come back.
#include <optional>

namespace orbivox {

// How long every query has to go unanswered before it is said, in seconds of the tick clock.
inline constexpr double kSilentRadioSeconds = 5.0;

class AnswerWatch {
public:
    enum class Change { None, Silent, AnswersAgain };

    // Once a tick, with the tuning state's reply counters (repliesAwaited, repliesUnderstood)
    // and the tick's instant in seconds.
    Change Tick(int awaited, int understood, double nowSeconds);

private:
    int awaited_ = 0;
    int understood_ = 0;
    std::optional<double> silentSince_;
    bool reported_ = false;
};

}  // namespace orbivox
