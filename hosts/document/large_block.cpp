#include "document/large_block.h"

#include <cstdint>
#include <new>

#if defined(__linux__) && defined(__x86_64__)
#include <sys/mman.h>
#define GLYPHWRIGHT_HUGE_PAGES 1
#endif

namespace glyphwright {

#ifdef GLYPHWRIGHT_HUGE_PAGES
namespace {

constexpr std::size_t kPage = std::size_t{1} << 12;
constexpr std::size_t kHugePage = std::size_t{1} << 21;

constexpr std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
  return (bytes + unit - 1) & ~(unit - 1);
}

bool Mapped(std::size_t bytes) {
  return bytes >= kHugePage;
}

}  // namespace

void* AllocateBlock(std::size_t bytes) {
  if (!Mapped(bytes)) return ::operator new(bytes);
  const std::size_t length = RoundUp(bytes, kPage);
  if (length > SIZE_MAX - kHugePage) throw std::bad_alloc();
  // Mapped one huge page longer, so that a boundary lies within its first huge page; what lies
  // before the boundary and after the block is given back at once.
  const std::size_t mapped = length + kHugePage;
  void* const area =
      mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (area == MAP_FAILED) throw std::bad_alloc();
  const auto first = reinterpret_cast<std::uintptr_t>(area);
  const std::uintptr_t start = RoundUp(first, kHugePage);
  if (start > first) munmap(area, start - first);
  if (const std::uintptr_t end = start + length; end < first + mapped) {
    munmap(reinterpret_cast<void*>(end), first + mapped - end);
  }
  // Only the whole huge pages: a last part page stays in small pages, so the block's memory
  // never grows beyond its length. A refusal (huge pages turned off) changes nothing but speed.
  madvise(reinterpret_cast<void*>(start), bytes & ~(kHugePage - 1), MADV_HUGEPAGE);
  return reinterpret_cast<void*>(start);
}

void FreeBlock(void* block, std::size_t bytes) noexcept {
  if (!Mapped(bytes)) return ::operator delete(block);
  munmap(block, RoundUp(bytes, kPage));
}

#else

void* AllocateBlock(std::size_t bytes) {
  return ::operator new(bytes);
}

void FreeBlock(void* block, std::size_t) noexcept {
  ::operator delete(block);
}

#endif

}  // namespace glyphwright
