// Installs a worker's hook for one platform dialog call: the worker becomes the hook target
// and keeps the event sink. Both are emptied when the call is over, whether or not the dialog
// was hooked and however the call ends.
#pragma once

#include "commondialog/GCommonDialog.h"
#include "commondialog/mDialogHook.h"

namespace ferolan {

class GCommonDialog::HookInstallation {
 public:
  HookInstallation(GCommonDialog& worker, bool hook, DialogEventSink* eventSink) : worker_(worker) {
    if (!hook) return;
    mDialogHook::SetHookTarget(&worker);
    worker.m_oEventSink = eventSink;
  }
  ~HookInstallation() {
    worker_.m_oEventSink = nullptr;
    mDialogHook::ClearHookTarget();
  }
  HookInstallation(const HookInstallation&) = delete;
  HookInstallation& operator=(const HookInstallation&) = delete;

 private:
  GCommonDialog& worker_;
};

}  // namespace ferolan
