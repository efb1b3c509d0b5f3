#include "server_locks.h"

#include <atomic>

namespace glyphwright::com {
namespace {

std::atomic<long> locks{0};

}  // namespace

void LockServer() {
  locks.fetch_add(1, std::memory_order_relaxed);
}

void UnlockServer() {
  locks.fetch_sub(1, std::memory_order_acq_rel);
}

bool ServerInUse() {
  return locks.load(std::memory_order_acquire) != 0;
}

}  // namespace glyphwright::com
