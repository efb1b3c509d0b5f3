// SignatureList: the rows of one class's member table seen without the class, as the type
// library, the Python binding and the reference pages read them.
#pragma once

#include <cstddef>
#include <iterator>
#include <span>

#include "automation/member_table.h"

namespace glyphwright {

class SignatureList {
 public:
  SignatureList() = default;
  template <class T>
  explicit SignatureList(std::span<const MemberInfo<T>> members)
      : rows_(members.data()), size_(members.size()), at_(&At<T>) {}

  std::size_t size() const { return size_; }
  const MemberSignature& operator[](std::size_t i) const { return at_(rows_, i); }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = MemberSignature;
    using difference_type = std::ptrdiff_t;
    using pointer = const MemberSignature*;
    using reference = const MemberSignature&;

    Iterator() = default;
    Iterator(const SignatureList* list, std::size_t index) : list_(list), index_(index) {}
    reference operator*() const { return (*list_)[index_]; }
    pointer operator->() const { return &(*list_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }

   private:
    const SignatureList* list_ = nullptr;
    std::size_t index_ = 0;
  };

  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size_}; }

 private:
  // MemberInfo<T> rows differ in size from class to class, so each row is reached through its
  // own type.
  template <class T>
  static const MemberSignature& At(const void* rows, std::size_t i) {
    return static_cast<const MemberInfo<T>*>(rows)[i];
  }

  const void* rows_ = nullptr;
  std::size_t size_ = 0;
  const MemberSignature& (*at_)(const void*, std::size_t) = nullptr;
};

}  // namespace glyphwright
