// What the Windows-behaviour tests share. They build against platform/win32.h
// only, so the same files test the stand-in natively and the real user32 and
// comctl32 when built with mingw and run under Wine.
#ifndef TESTS_CONFORMANCE_CONFORMANCE_WINDOWS_H
#define TESTS_CONFORMANCE_CONFORMANCE_WINDOWS_H

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "platform/win32.h"

namespace conformance {

#ifdef _WIN32
// The up-down class lives in comctl32, which a plain test executable does not
// load by itself.
inline void load_common_controls() {
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  if (comctl == nullptr) return;
  typedef BOOL(WINAPI * InitFunction)(const INITCOMMONCONTROLSEX*);
  auto init = reinterpret_cast<InitFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(comctl, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
  if (init != nullptr) init(&classes);
}
// The plug-in's texts are Windows-1252; the case tests assume that code page.
inline bool user_code_page_is_1252() { return GetACP() == 1252; }
#else
inline void load_common_controls() {}
inline bool user_code_page_is_1252() { return true; }
#endif

// What a parent window received from its controls: WM_COMMAND (id and code),
// WM_NOTIFY (id, code and, for UDN_DELTAPOS, position and delta) and the
// scroll messages an up-down sends (position and request).
struct Received {
  UINT message;
  int id;
  int code;
  int position;
  int delta;
  bool operator==(const Received& o) const {
    return message == o.message && id == o.id && code == o.code && position == o.position &&
           delta == o.delta;
  }
};
inline std::ostream& operator<<(std::ostream& out, const Received& r) {
  return out << "{message 0x" << std::hex << r.message << std::dec << ", id " << r.id << ", code "
             << r.code << ", position " << r.position << ", delta " << r.delta << "}";
}

// A hidden top-level window whose children the tests create in order. Its
// procedure is subclassed to record what its children send it.
class WindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    load_common_controls();
    parent_ = CreateWindowExA(0, "Static", "parent", WS_POPUP, 10, 10, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    current() = this;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)));
  }
  void TearDown() override {
    DestroyWindow(parent_);
    current() = nullptr;
  }

  HWND child(const char* class_name, int id, const char* text, DWORD style = 0, int width = 80,
             int height = 20) {
    return CreateWindowExA(0, class_name, text, WS_CHILD | style, 0, 0, width, height, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  // A user's click as the control receives it.
  static void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
  // A press and release of the mouse on an up-down's upper or lower arrow.
  static void click_arrow(HWND updown, bool up) {
    RECT area;
    GetClientRect(updown, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
    SendMessageA(updown, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(updown, WM_LBUTTONUP, 0, at);
  }
  // Typed characters as the edit receives them.
  static void type(HWND edit, const char* text) {
    for (const char* c = text; *c; ++c) SendMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(*c)), 1);
  }

  HWND parent_ = nullptr;
  std::vector<Received> received_;
  LRESULT notify_answer_ = 0;  // what the parent answers to WM_NOTIFY

 private:
  static WindowsTest*& current() {
    static WindowsTest* test = nullptr;
    return test;
  }
  static LRESULT CALLBACK record(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowsTest* test = current();
    if (msg == WM_COMMAND) {
      test->received_.push_back({msg, LOWORD(wp), HIWORD(wp), 0, 0});
    } else if (msg == WM_NOTIFY) {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
      Received r{msg, int(wp), int(header->code), 0, 0};
      if (header->code == UDN_DELTAPOS) {
        const NMUPDOWN* note = reinterpret_cast<const NMUPDOWN*>(lp);
        r.position = note->iPos;
        r.delta = note->iDelta;
      }
      test->received_.push_back(r);
      return test->notify_answer_;
    } else if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
      test->received_.push_back({msg, 0, LOWORD(wp), short(HIWORD(wp)), 0});
    }
    return CallWindowProcA(test->previous_, hwnd, msg, wp, lp);
  }

  WNDPROC previous_ = nullptr;
};

}  // namespace conformance

#endif
