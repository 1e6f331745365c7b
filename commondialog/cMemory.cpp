#include "commondialog/cMemory.h"

#include <algorithm>

#include "platform/winapi/GlobalMemory.h"

namespace ferolan {

using namespace winapi;

cMemory::~cMemory() { FreeMemory(); }

void cMemory::Handle(int32_t hMem) {
  FreeMemory();
  m_hMem = hMem;
}

void* cMemory::Pointer() {
  if (m_hMem == 0) return nullptr;
  if (m_lPtr == nullptr) LockMemory();
  return m_lPtr;
}

int32_t cMemory::Size() const {
  if (m_hMem == 0) return 0;
  // Blocks are never larger than 2 GiB - 1; a handle made elsewhere is taken at its word.
  return static_cast<int32_t>(std::min<SIZE_T>(GlobalSize(m_hMem), INT32_MAX));
}

bool cMemory::AllocateMemory(int32_t lSize, int32_t dwFlags) {
  FreeMemory();
  // A negative size arrives as a size beyond any block, which the platform refuses.
  m_hMem = GlobalAlloc(static_cast<UINT>(dwFlags), static_cast<SIZE_T>(lSize));
  return m_hMem != 0;
}

bool cMemory::LockMemory() {
  if (m_hMem == 0 || m_lPtr != nullptr) return false;
  m_lPtr = GlobalLock(m_hMem);
  return m_lPtr != nullptr;
}

void cMemory::UnlockMemory() {
  if (m_hMem == 0 || m_lPtr == nullptr) return;
  GlobalUnlock(m_hMem);
  m_lPtr = nullptr;
}

void cMemory::FreeMemory() {
  if (m_hMem == 0) return;
  UnlockMemory();
  GlobalFree(m_hMem);
  m_hMem = 0;
}

void cMemory::ReleaseDontFreeMemory() {
  UnlockMemory();
  m_hMem = 0;
}

}  // namespace ferolan
