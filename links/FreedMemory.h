#pragma once
// Handing freed memory back to the system. The C library on Linux (glibc) keeps the blocks
// a program frees inside its heaps for reuse; after a burst of large buffers is freed (the
// unsent data of dropped clients) the process would go on holding them. Elsewhere nothing
// is done: the allocator returns what it can by itself.
namespace orbivox {

void ReturnFreedMemory();

}  // namespace orbivox
