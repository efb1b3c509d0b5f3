// InlineVector: the same answers as std::vector through every change, inside the object, across
// the move to the heap, and in copies and moves of either.
#include "document/inline_vector.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <utility>
#include <vector>

namespace glyphwright {
namespace {

using Small = InlineVector<int32_t, 4>;

std::vector<int32_t> Values(const Small& v) {
  return std::vector<int32_t>(v.begin(), v.end());
}

Small Of(const std::vector<int32_t>& values) {
  Small v;
  v.insert(v.end(), values.data(), values.data() + values.size());
  return v;
}

TEST(InlineVectorTest, StaysInsideUpToItsInlineCount) {
  Small v;
  EXPECT_TRUE(v.empty());
  EXPECT_TRUE(v.IsInline());
  *v.Extend(4) = 1;
  v[1] = 2;
  v[2] = 3;
  v[3] = 4;
  EXPECT_TRUE(v.IsInline());
  EXPECT_EQ(Values(v), (std::vector<int32_t>{1, 2, 3, 4}));
  *v.Extend(1) = 5;
  EXPECT_FALSE(v.IsInline());
  EXPECT_EQ(Values(v), (std::vector<int32_t>{1, 2, 3, 4, 5}));
  EXPECT_GE(v.capacity(), 8u);  // doubled, so that appending one at a time stays cheap
}

TEST(InlineVectorTest, InsertAndEraseMatchAVector) {
  // Each step on both, inline and past it, at the front, the middle and the end.
  Small v;
  std::vector<int32_t> expected;
  const auto insert = [&](std::size_t at, std::vector<int32_t> values) {
    v.insert(v.begin() + at, values.data(), values.data() + values.size());
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), values.begin(),
                    values.end());
    ASSERT_EQ(Values(v), expected);
  };
  const auto erase = [&](std::size_t from, std::size_t to) {
    v.erase(v.begin() + from, v.begin() + to);
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(from),
                   expected.begin() + static_cast<std::ptrdiff_t>(to));
    ASSERT_EQ(Values(v), expected);
  };
  insert(0, {1, 2});
  insert(1, {7});
  insert(3, {});
  insert(3, {8});
  insert(2, {9, 10, 11});  // past the inline count, from the middle
  insert(0, {12});
  erase(0, 1);
  erase(2, 5);
  erase(1, 1);
  insert(v.size(), {13, 14, 15, 16, 17, 18, 19, 20, 21});
  erase(0, v.size());
  EXPECT_TRUE(v.empty());
}

TEST(InlineVectorTest, InsertingItsOwnValuesCopiesThemFirst) {
  Small v = Of({1, 2, 3});
  v.insert(v.begin() + 1, v.begin(), v.end());  // room still inside
  EXPECT_EQ(Values(v), (std::vector<int32_t>{1, 1, 2, 3, 2, 3}));
  v.insert(v.begin(), v.begin() + 4, v.end());  // on the heap
  EXPECT_EQ(Values(v), (std::vector<int32_t>{2, 3, 1, 1, 2, 3, 2, 3}));
}

TEST(InlineVectorTest, ResizeValueInitialisesAndReserveKeepsValues) {
  Small v = Of({5, 6});
  v.resize(6);
  EXPECT_EQ(Values(v), (std::vector<int32_t>{5, 6, 0, 0, 0, 0}));
  v.resize(1);
  EXPECT_EQ(Values(v), (std::vector<int32_t>{5}));
  v.reserve(100);
  EXPECT_GE(v.capacity(), 100u);
  EXPECT_EQ(Values(v), (std::vector<int32_t>{5}));
  v.resize(3);
  EXPECT_EQ(Values(v), (std::vector<int32_t>{5, 0, 0}));
}

TEST(InlineVectorTest, AtChecksItsIndex) {
  const Small v = Of({1, 2});
  EXPECT_EQ(v.at(1), 2);
  EXPECT_THROW(static_cast<void>(v.at(2)), std::out_of_range);
}

TEST(InlineVectorTest, CopiesAreIndependentInsideAndOnTheHeap) {
  for (const std::size_t n : {std::size_t{3}, std::size_t{9}}) {
    std::vector<int32_t> values(n);
    std::iota(values.begin(), values.end(), 1);
    Small original = Of(values);
    Small copy(original);
    copy[0] = 100;
    EXPECT_EQ(Values(original), values);
    Small assigned = Of({42});
    assigned = original;
    assigned[1] = 200;
    EXPECT_EQ(Values(original), values);
    EXPECT_EQ(assigned.size(), n);
    const Small& same = assigned;
    assigned = same;  // a self-assignment keeps the values
    EXPECT_EQ(assigned[1], 200);
  }
}

TEST(InlineVectorTest, MovesTakeTheValuesAndLeaveTheSourceEmpty) {
  for (const std::size_t n : {std::size_t{2}, std::size_t{4}, std::size_t{11}}) {
    std::vector<int32_t> values(n);
    std::iota(values.begin(), values.end(), 10);
    Small source = Of(values);
    Small moved(std::move(source));
    EXPECT_EQ(Values(moved), values);
    EXPECT_TRUE(source.empty());  // NOLINT: a moved-from vector is empty and usable
    EXPECT_TRUE(source.IsInline());
    *source.Extend(1) = 7;
    EXPECT_EQ(Values(source), (std::vector<int32_t>{7}));
    Small target = Of({1, 2, 3, 4, 5, 6});
    target = std::move(moved);
    EXPECT_EQ(Values(target), values);
    EXPECT_EQ(target.IsInline(), n <= 4);
    target.insert(target.end(), values.data(), values.data() + values.size());
    EXPECT_EQ(target.size(), 2 * n);
  }
}

}  // namespace
}  // namespace glyphwright
