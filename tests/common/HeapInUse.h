#pragma once
// Bytes the allocator has handed out and not yet had back, so a test or a
// benchmark can weigh what a structure really costs (a header and a buffer
// per small piece add up) instead of what the structure says it holds.
// Under the address sanitizer its own allocator keeps the count.
#include <QtGlobal>

#if defined(__SANITIZE_ADDRESS__)
#define TW_HEAP_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_HEAP_SANITIZED 1
#endif
#endif

#ifdef TW_HEAP_SANITIZED
#include <cstddef>
// The sanitizer's runtime has it; not every compiler ships its header.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace tw::test {

inline qint64 HeapInUse()
{
#ifdef TW_HEAP_SANITIZED
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks + m.hblkhd);
#endif
}

} // namespace tw::test
