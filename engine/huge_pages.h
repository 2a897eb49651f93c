#pragma once

// A hint to the system that a large buffer about to be filled should be
// backed by huge pages (2 MiB on x86-64) where it allows that only on request
// (Debian's default). A refresh fills tens to hundreds of megabytes that it
// has just allocated; page by page, the first touch of each 4 KiB costs a
// fault that at a million events takes as long as reading the files. The
// hint changes no byte of the buffer and may be ignored; elsewhere it does
// nothing.

#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orvenda {

// The size of a huge page on x86-64, and where the next one starts.
inline constexpr std::size_t HugePageBytes = std::size_t{1} << 21;

constexpr std::uintptr_t NextHugePage(std::uintptr_t address) noexcept
{
    return (address + HugePageBytes - 1) & ~std::uintptr_t{HugePageBytes - 1};
}

inline void AdviseHugePages(const void* data, std::size_t bytes) noexcept
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only whole huge pages inside the buffer: the advice applies to pages,
    // and the bytes around the buffer may belong to something else.
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = NextHugePage(begin);
    const std::uintptr_t last = (begin + bytes) & ~std::uintptr_t{HugePageBytes - 1};
    if (data != nullptr && bytes >= HugePageBytes && last > first) {
        // A refusal (an old kernel, huge pages switched off) leaves the buffer as it was.
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace orvenda
