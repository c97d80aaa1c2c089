// Message boxes in FINALE.EXE: a CBT hook on the user-interface thread sees
// every message box as it is activated, records its caption, text and style
// (as far as the box shows it: buttons, icon, default button) and dismisses it
// with the answer queued for it, or with its default button.
#ifndef SIM_FINALE_MESSAGE_BOX_CATCHER_H
#define SIM_FINALE_MESSAGE_BOX_CATCHER_H

#include <deque>
#include <string>
#include <vector>

#include <windows.h>

namespace finale {

struct CaughtBox {
  std::string caption;
  std::string text;
  UINT style;    // MB_ button set | MB_ICON... | MB_DEFBUTTONn, read from the box
  int answer;    // the button id the box was dismissed with
};

class MessageBoxCatcher {
 public:
  MessageBoxCatcher();  // hooks the calling thread
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  const std::vector<CaughtBox>& boxes() const { return boxes_; }
  // The button id that dismisses the next box; without one, its default button.
  void queue_answer(int button_id) { answers_.push_back(button_id); }

 private:
  static LRESULT CALLBACK hook(int code, WPARAM wp, LPARAM lp);
  static void CALLBACK read_box(HWND, UINT, UINT_PTR timer, DWORD);
  void expect_box(HWND box);
  void catch_box(HWND box);
  HHOOK hook_ = nullptr;
  HWND last_box_ = nullptr;
  std::vector<CaughtBox> boxes_;
  std::deque<int> answers_;
};

}  // namespace finale

#endif
