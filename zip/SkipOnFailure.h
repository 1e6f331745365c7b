// The callbacks run inside a library's call, so nothing may escape them: a step that fails is
// skipped and the callback carries on.
#pragma once

namespace ferolan::mZipDLLProc {

// Runs one step; whatever it throws (a failing message box, a failure raised while pending
// events are processed, a library that cannot be loaded) is dropped here.
template <class Step>
void SkipOnFailure(Step step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace ferolan::mZipDLLProc
