// Heap blocks for a document's cells. A block of megabytes is touched page by page as it is
// filled, and on Linux each 4 KiB page is a fault of its own: 2,000 of them for the 8 MiB of one
// megabyte of text, the larger part of what making such a document costs. There, a block of a
// huge page or more is mapped on a huge-page boundary and its whole huge pages are offered to the
// kernel as such; every other block, and every block elsewhere, comes from operator new.
#pragma once

#include <cstddef>

namespace glyphwright {

// Raises std::bad_alloc when there is no memory. The block's contents are unspecified.
void* AllocateBlock(std::size_t bytes);
// Frees a block AllocateBlock answered for the same number of bytes.
void FreeBlock(void* block, std::size_t bytes) noexcept;

}  // namespace glyphwright
