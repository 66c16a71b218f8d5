#include "links/FreedMemory.h"

#if defined(__linux__)
#include <malloc.h>  // and with it the C library's own macros (__GLIBC__)
#endif

namespace orbivox {

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace orbivox
