// The class object of one public class: makes new objects of it for CoCreateInstance.
// Aggregation is not supported.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <atomic>

#include "component/class_info.h"
#include "server_locks.h"

namespace glyphwright::com {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ClassInfo& info) : info_(info) {}
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ~ClassFactory() = default;

  std::atomic<ULONG> references_{1};
  ServerLock serverLock_;
  const ClassInfo& info_;
};

}  // namespace glyphwright::com
