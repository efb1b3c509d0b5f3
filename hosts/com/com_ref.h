// ComRef<T>: one counted reference to a COM interface, released when it goes.
#pragma once

#include <utility>

namespace glyphwright::com {

template <class T>
class ComRef {
 public:
  ComRef() = default;
  // Takes a reference of its own.
  explicit ComRef(T* pointer) : pointer_(pointer) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  // Takes over the reference that a new object or an out parameter came with.
  static ComRef Adopt(T* pointer) {
    ComRef ref;
    ref.pointer_ = pointer;
    return ref;
  }
  ComRef(const ComRef& other) : ComRef(other.pointer_) {}
  ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComRef& operator=(ComRef other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComRef() {
    if (pointer_ != nullptr) pointer_->Release();
  }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For a function that hands out a new reference through T**; drops the one held.
  T** Receive() {
    *this = ComRef();
    return &pointer_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  // Hands the reference to the caller.
  T* Detach() { return std::exchange(pointer_, nullptr); }

 private:
  T* pointer_ = nullptr;
};

}  // namespace glyphwright::com
