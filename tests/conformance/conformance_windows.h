// What the Windows-behaviour tests share. They build against platform/win32.h
// only, so the same files test the stand-in natively and the real user32 and
// comctl32 when built with mingw and run under Wine.
#ifndef TESTS_CONFORMANCE_CONFORMANCE_WINDOWS_H
#define TESTS_CONFORMANCE_CONFORMANCE_WINDOWS_H

#include <gtest/gtest.h>

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

// A hidden top-level window whose children the tests create in order.
class WindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    load_common_controls();
    parent_ = CreateWindowExA(0, "Static", "parent", WS_POPUP, 10, 10, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND child(const char* class_name, int id, const char* text, DWORD style = 0) {
    return CreateWindowExA(0, class_name, text, WS_CHILD | style, 0, 0, 80, 20, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  HWND parent_ = nullptr;
};

}  // namespace conformance

#endif
