#include "sim/finale/message_box_catcher.h"

namespace finale {
namespace {

MessageBoxCatcher* active_catcher = nullptr;

// The message box's own text: the static control with id 0xFFFF.
constexpr int kMessageTextId = 0xFFFF;

bool is_message_box(HWND window) {
  char class_name[16] = "";
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpA(class_name, "#32770") == 0 && GetDlgItem(window, kMessageTextId) != nullptr;
}

std::string text_of(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

UINT button_set(HWND box) {
  auto has = [box](int id) { return GetDlgItem(box, id) != nullptr; };
  if (has(IDABORT) && has(IDRETRY) && has(IDIGNORE)) return MB_ABORTRETRYIGNORE;
  if (has(IDYES) && has(IDNO)) return has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO;
  if (has(IDRETRY) && has(IDCANCEL)) return MB_RETRYCANCEL;
  if (has(IDOK) && has(IDCANCEL)) return MB_OKCANCEL;
  return MB_OK;
}

struct IconSearch {
  HICON icon = nullptr;
};

BOOL CALLBACK find_icon(HWND child, LPARAM lp) {
  if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
  reinterpret_cast<IconSearch*>(lp)->icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  return FALSE;
}

// The system icons are shared: the box shows the very handle LoadIcon answers.
UINT icon_of(HWND box) {
  IconSearch search;
  EnumChildWindows(box, find_icon, reinterpret_cast<LPARAM>(&search));
  if (search.icon == nullptr) return 0;
  const struct {
    LPCSTR icon;
    UINT style;
  } icons[] = {{IDI_HAND, MB_ICONHAND}, {IDI_QUESTION, MB_ICONQUESTION},
               {IDI_EXCLAMATION, MB_ICONEXCLAMATION}, {IDI_ASTERISK, MB_ICONASTERISK}};
  for (const auto& i : icons)
    if (LoadIconA(nullptr, i.icon) == search.icon) return i.style;
  return 0;
}

UINT default_button(HWND box, int* id) {
  // The buttons in the order the box shows them; the default one has the
  // default push button style.
  const int order[] = {IDOK, IDYES, IDABORT, IDRETRY, IDNO, IDIGNORE, IDCANCEL};
  int position = 0, shown = 0;
  for (int candidate : order) {
    HWND button = GetDlgItem(box, candidate);
    if (button == nullptr) continue;
    if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      *id = candidate;
      position = shown;
    }
    ++shown;
  }
  return position == 0 ? MB_DEFBUTTON1 : position == 1 ? MB_DEFBUTTON2 : MB_DEFBUTTON3;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
  active_catcher = this;
  hook_ = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  active_catcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && active_catcher != nullptr && is_message_box(reinterpret_cast<HWND>(wp)))
    active_catcher->expect_box(reinterpret_cast<HWND>(wp));
  return CallNextHookEx(nullptr, code, wp, lp);
}

// A box is activated before it has set up its buttons; it is read once its
// own message loop runs, which dispatches this thread timer.
void MessageBoxCatcher::expect_box(HWND box) {
  if (box == last_box_) return;  // activated again while its answer is on its way
  last_box_ = box;
  SetTimer(nullptr, 0, USER_TIMER_MINIMUM, read_box);
}

void CALLBACK MessageBoxCatcher::read_box(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (active_catcher != nullptr && IsWindow(active_catcher->last_box_))
    active_catcher->catch_box(active_catcher->last_box_);
}

void MessageBoxCatcher::catch_box(HWND box) {
  int default_id = IDOK;
  CaughtBox caught{text_of(box), text_of(GetDlgItem(box, kMessageTextId)), button_set(box) | icon_of(box), 0};
  caught.style |= default_button(box, &default_id);
  caught.answer = answers_.empty() ? default_id : answers_.front();
  if (!answers_.empty()) answers_.pop_front();
  boxes_.push_back(caught);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(caught.answer, BN_CLICKED), 0);
}

}  // namespace finale
