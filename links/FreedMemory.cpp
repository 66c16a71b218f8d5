#include "links/FreedMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orbivox {

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace orbivox
