#include "platform/MemoryPolicy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace MemoryPolicy {

void returnLargeBlocks()
{
#if defined(M_MMAP_THRESHOLD)
    // Setting the threshold also stops glibc from raising it on its own.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace MemoryPolicy
