// Counting a radio's unanswered queries against the tick clock.
#include "radio/AnswerWatch.h"

namespace orbivox {

AnswerWatch::Change AnswerWatch::Tick(int awaited, int understood, double nowSeconds) {
    const bool asked = awaited > awaited_;
    const bool heard = understood > understood_;
    awaited_ = awaited;
    understood_ = understood;
    if (heard) {
        silentSince_.reset();
        if (reported_) {
            reported_ = false;
            return Change::AnswersAgain;
        }
        return Change::None;
    }
    if (!asked) {
        return Change::None;  // nothing asked this tick (CAT off, FM without readback, ...)
    }
    if (!silentSince_) {
        silentSince_ = nowSeconds;
    }
    if (!reported_ && nowSeconds - *silentSince_ >= kSilentRadioSeconds) {
        reported_ = true;
        return Change::Silent;
    }
    return Change::None;
}

}  // namespace orbivox
