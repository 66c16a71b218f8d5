#pragma once
// One pass of the event loop for a loop of our own (the stepped clock's ticks of
// `orbivox track --now`): the pending events, then the objects whose deletion was deferred.
// processEvents alone never deletes those (the loop of QCoreApplication::exec does), so a
// conversation server in such a loop would keep every socket of a client gone, and its memory.
namespace orbivox {

void RunEventPass();

}  // namespace orbivox
