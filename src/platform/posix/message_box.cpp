// Message boxes and beeps: logged, and answered from a script.
//
// A box whose owner is not a window cannot be shown: it answers 0 with
// ERROR_INVALID_WINDOW_HANDLE and leaves the script alone. Otherwise it takes
// the next scripted answer; with none left it answers its default button (the
// first button of its type unless MB_DEFBUTTON2/3 picks another), as if the
// user pressed Enter. A null caption shows as "Error", as in Windows.
#include <deque>

#include "platform/posix/testing.h"

namespace {

struct BoxState {
  std::vector<standin::MessageBoxRecord> log;
  std::deque<int> answers;
  std::function<void(const standin::MessageBoxRecord&)> observer;
  std::vector<UINT> beeps;
  std::deque<BOOL> beep_results;
};

BoxState& state() {
  static BoxState s;
  return s;
}

int default_button(UINT style) {
  static const std::vector<int> kButtons[] = {
      {IDOK},          {IDOK, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL},
      {IDYES, IDNO},   {IDRETRY, IDCANCEL},
  };
  UINT type = style & MB_TYPEMASK;
  if (type >= sizeof kButtons / sizeof kButtons[0]) return IDOK;
  const std::vector<int>& buttons = kButtons[type];
  size_t chosen = (style & MB_DEFMASK) >> 8;
  return chosen < buttons.size() ? buttons[chosen] : buttons.front();
}

}  // namespace

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  standin::MessageBoxRecord box{hWnd, lpText == nullptr ? "" : lpText,
                                lpCaption == nullptr ? "Error" : lpCaption, uType, 0};
  BoxState& s = state();
  if (hWnd != nullptr && !IsWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  } else if (!s.answers.empty()) {
    box.answer = s.answers.front();
    s.answers.pop_front();
  } else {
    box.answer = default_button(uType);
  }
  s.log.push_back(box);
  if (s.observer) s.observer(box);
  return box.answer;
}

BOOL MessageBeep(UINT uType) {
  BoxState& s = state();
  s.beeps.push_back(uType);
  if (s.beep_results.empty()) return TRUE;
  BOOL result = s.beep_results.front();
  s.beep_results.pop_front();
  return result;
}

namespace standin {

const std::vector<MessageBoxRecord>& message_boxes() { return state().log; }

void queue_message_box_answer(int answer) { state().answers.push_back(answer); }

void set_message_box_observer(std::function<void(const MessageBoxRecord&)> observer) {
  state().observer = std::move(observer);
}

void clear_message_boxes() {
  state().log.clear();
  state().answers.clear();
  state().observer = nullptr;
}

const std::vector<UINT>& beeps() { return state().beeps; }

void queue_beep_result(BOOL result) { state().beep_results.push_back(result); }

void clear_beeps() {
  state().beeps.clear();
  state().beep_results.clear();
}

}  // namespace standin
