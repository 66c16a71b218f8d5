#pragma once
// The desktop tests run under the program's own application object; what it shows for a
// failure that escaped an event handler is recorded here.
#include "tests/support/RecordingNotifier.h"

namespace orbivox {

RecordingNotifier& ApplicationMessages();

}  // namespace orbivox
