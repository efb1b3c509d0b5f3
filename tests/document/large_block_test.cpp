// Blocks of every size, below and beyond a huge page, hold every byte written to them, and an
// InlineVector whose values grow into such blocks still answers as std::vector does.
#include "document/large_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

#include "document/inline_vector.h"

namespace glyphwright {
namespace {

constexpr std::size_t kHugePage = std::size_t{1} << 21;

TEST(LargeBlockTest, EveryByteOfEverySizeHoldsWhatIsWritten) {
  const std::size_t sizes[] = {0,
                               1,
                               4095,
                               4096,
                               kHugePage - 1,
                               kHugePage,
                               kHugePage + 1,
                               2 * kHugePage,
                               5 * kHugePage + 4097};
  for (const std::size_t bytes : sizes) {
    auto* const block = static_cast<unsigned char*>(AllocateBlock(bytes));
    ASSERT_NE(block, nullptr) << bytes;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u) << bytes;
    for (std::size_t i = 0; i < bytes; ++i) block[i] = static_cast<unsigned char>(i * 7 + 1);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      if (block[i] != static_cast<unsigned char>(i * 7 + 1)) ++wrong;
    }
    EXPECT_EQ(wrong, 0u) << bytes;
    FreeBlock(block, bytes);
  }
}

// Two blocks alive at once never overlap.
TEST(LargeBlockTest, BlocksAliveTogetherAreApart) {
  const std::size_t bytes = 3 * kHugePage + 12;
  auto* const a = static_cast<unsigned char*>(AllocateBlock(bytes));
  auto* const b = static_cast<unsigned char*>(AllocateBlock(bytes));
  std::memset(a, 0xAA, bytes);
  std::memset(b, 0x55, bytes);
  EXPECT_EQ(a[0], 0xAA);
  EXPECT_EQ(a[bytes - 1], 0xAA);
  EXPECT_EQ(b[0], 0x55);
  EXPECT_EQ(b[bytes - 1], 0x55);
  FreeBlock(a, bytes);
  FreeBlock(b, bytes);
}

// Values grown by doubling across the huge-page size, copied, moved, changed in the middle.
TEST(LargeBlockTest, AnInlineVectorGrowsThroughLargeBlocks) {
  using Cells = InlineVector<uint64_t, 8>;
  Cells v;
  std::vector<uint64_t> expected;
  for (uint64_t i = 0; i < 3 * kHugePage / sizeof(uint64_t) + 5; ++i) {
    *v.Extend(1) = i;
    expected.push_back(i);
  }
  const std::vector<uint64_t> middle = {7, 8, 9};
  v.insert(v.begin() + 1000, middle.data(), middle.data() + middle.size());
  expected.insert(expected.begin() + 1000, middle.begin(), middle.end());
  v.erase(v.begin() + 5, v.begin() + 300005);
  expected.erase(expected.begin() + 5, expected.begin() + 300005);
  const Cells copy = v;
  Cells moved = std::move(v);
  EXPECT_TRUE(std::equal(copy.begin(), copy.end(), expected.begin(), expected.end()));
  EXPECT_TRUE(std::equal(moved.begin(), moved.end(), expected.begin(), expected.end()));
  moved = Cells();
  EXPECT_TRUE(moved.empty());
}

}  // namespace
}  // namespace glyphwright
