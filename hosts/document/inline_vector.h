// A vector of plain values whose first N live inside the object that holds it: a document made
// for one short selection keeps its characters without a block of their own, and a longer one
// moves them to the heap, growing by doubling as std::vector does. Only what the document needs
// of a vector is offered; positions are pointers into the current storage.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "document/large_block.h"

namespace glyphwright {

template <class T, std::size_t N>
class InlineVector {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>,
                "the values are moved as bytes");
  static_assert(N > 0);

 public:
  InlineVector() = default;
  InlineVector(const InlineVector& other) { Assign(other.begin(), other.end()); }
  InlineVector(InlineVector&& other) noexcept { Take(other); }
  InlineVector& operator=(const InlineVector& other) {
    if (this != &other) Assign(other.begin(), other.end());
    return *this;
  }
  InlineVector& operator=(InlineVector&& other) noexcept {
    if (this != &other) {
      heap_.reset();
      Take(other);
    }
    return *this;
  }
  ~InlineVector() = default;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::size_t capacity() const { return capacity_; }
  // True while the values still live inside the object.
  bool IsInline() const { return data_ == inline_; }

  T* data() { return data_; }
  const T* data() const { return data_; }
  T* begin() { return data_; }
  T* end() { return data_ + size_; }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size_; }
  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }
  const T& at(std::size_t i) const {
    if (i >= size_) throw std::out_of_range("InlineVector::at");
    return data_[i];
  }

  void reserve(std::size_t capacity) {
    if (capacity > capacity_) MoveTo(capacity);
  }
  // New values are value-initialised, as std::vector's are.
  void resize(std::size_t size) {
    if (size > size_) {
      const std::size_t count = size - size_;
      T* const added = Extend(count);
      std::fill(added, added + count, T{});
    }
    size_ = size;
  }
  // Makes room for count more values at the end and answers where they go; the caller writes
  // every one of them.
  T* Extend(std::size_t count) {
    if (count > capacity_ - size_) MoveTo(Grown(size_ + count));
    T* const added = data_ + size_;
    size_ += count;
    return added;
  }

  // Inserts [first, last) before position; answers where the first inserted value went.
  T* insert(const T* position, const T* first, const T* last) {
    const auto at = static_cast<std::size_t>(position - data_);
    const auto count = static_cast<std::size_t>(last - first);
    if (count == 0) return data_ + at;
    // Values of this very vector are copied out first: making room moves them.
    if (std::less<const T*>()(first, data_ + size_) && std::less<const T*>()(data_, last)) {
      const std::vector<T> copy(first, last);
      return insert(position, copy.data(), copy.data() + copy.size());
    }
    if (count > capacity_ - size_) MoveTo(Grown(size_ + count));
    std::memmove(data_ + at + count, data_ + at, (size_ - at) * sizeof(T));
    std::memcpy(data_ + at, first, count * sizeof(T));
    size_ += count;
    return data_ + at;
  }
  // Removes [first, last); answers where the value after them went.
  T* erase(const T* first, const T* last) {
    const auto at = static_cast<std::size_t>(first - data_);
    const auto count = static_cast<std::size_t>(last - first);
    std::memmove(data_ + at, data_ + at + count, (size_ - at - count) * sizeof(T));
    size_ -= count;
    return data_ + at;
  }

 private:
  std::size_t Grown(std::size_t needed) const { return std::max(needed, 2 * capacity_); }

  // A heap block and the bytes it was allocated with, which freeing it needs.
  struct FreeHeap {
    std::size_t bytes = 0;
    void operator()(T* block) const noexcept { FreeBlock(block, bytes); }
  };
  using Heap = std::unique_ptr<T, FreeHeap>;

  // Moves the values to a heap block of the given capacity, which holds them all.
  void MoveTo(std::size_t capacity) {
    if (capacity > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_alloc();
    const std::size_t bytes = capacity * sizeof(T);
    // The values are trivial: the block's bytes become them as they are written.
    Heap block(static_cast<T*>(AllocateBlock(bytes)), FreeHeap{bytes});
    if (size_ > 0) std::memcpy(block.get(), data_, size_ * sizeof(T));
    heap_ = std::move(block);
    data_ = heap_.get();
    capacity_ = capacity;
  }

  void Assign(const T* first, const T* last) {
    const auto count = static_cast<std::size_t>(last - first);
    size_ = 0;
    if (count > capacity_) MoveTo(count);
    if (count > 0) std::memcpy(data_, first, count * sizeof(T));
    size_ = count;
  }

  // This vector is empty and inline; other's values become its own, and other is left empty.
  void Take(InlineVector& other) noexcept {
    if (other.IsInline()) {
      if (other.size_ > 0) std::memcpy(inline_, other.inline_, other.size_ * sizeof(T));
      data_ = inline_;
      capacity_ = N;
    } else {
      heap_ = std::move(other.heap_);
      data_ = heap_.get();
      capacity_ = other.capacity_;
    }
    size_ = other.size_;
    other.data_ = other.inline_;
    other.capacity_ = N;
    other.size_ = 0;
  }

  T inline_[N];
  Heap heap_;
  T* data_ = inline_;
  std::size_t size_ = 0;
  std::size_t capacity_ = N;
};

}  // namespace glyphwright
