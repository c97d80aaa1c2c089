// The error beeps a loaded library asks Windows for, as far as FINALE.EXE can
// see them: the library's import of user32's MessageBeep is pointed at a
// recorder that notes the sound type and passes the call on to the real
// MessageBeep. Wine plays no sound on a virtual display, so the call is what
// there is to observe.
#ifndef TESTS_E2E_BEEP_RECORDER_H
#define TESTS_E2E_BEEP_RECORDER_H

#include <vector>

#include <windows.h>

namespace e2e {

class BeepRecorder {
 public:
  // Redirects `library`'s MessageBeep import; ok() is false when the library
  // imports no MessageBeep from user32.
  explicit BeepRecorder(HMODULE library);
  ~BeepRecorder();  // puts the import back while the library is loaded
  BeepRecorder(const BeepRecorder&) = delete;
  BeepRecorder& operator=(const BeepRecorder&) = delete;

  bool ok() const { return slot_ != nullptr; }
  // The sound types asked for since the recorder was made, in order.
  const std::vector<UINT>& beeps() const;

 private:
  HMODULE library_;
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace e2e

#endif
