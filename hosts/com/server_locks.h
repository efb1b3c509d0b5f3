// What keeps Quillet.dll loaded: every live object and class object of ours, and every
// IClassFactory::LockServer(TRUE). DllCanUnloadNow answers from this count alone. It is the one
// process-wide state of the component: objects live in several apartments at once.
#pragma once

namespace glyphwright::com {

void LockServer();
void UnlockServer();
bool ServerInUse();

// Holds one lock for as long as it lives; a member of every object that keeps the DLL loaded.
class ServerLock {
 public:
  ServerLock() { LockServer(); }
  ~ServerLock() { UnlockServer(); }
  ServerLock(const ServerLock&) = delete;
  ServerLock& operator=(const ServerLock&) = delete;
};

}  // namespace glyphwright::com
