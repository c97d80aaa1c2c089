// Window order, relations and lookups of the stand-in's window tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

class WindowTree : public ::testing::Test {
 protected:
  void SetUp() override { standin::reset(); }
  HWND top(const char* cls = "Frame", DWORD style = WS_OVERLAPPEDWINDOW) {
    return standin::create_window(nullptr, cls, 0, "", style, RECT{0, 0, 400, 300});
  }
  HWND child(HWND parent, int id, const char* cls = "Static", const char* text = "") {
    return standin::create_window(parent, cls, id, text, 0, RECT{0, 0, 10, 10});
  }
};

std::vector<int> ids_in_window_order(HWND parent) {
  std::vector<int> ids;
  for (HWND h = GetTopWindow(parent); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
    ids.push_back(GetWindowLongA(h, GWL_ID));
  return ids;
}

TEST_F(WindowTree, ChildrenFollowCreationOrderInBothDirections) {
  HWND dialog = top();
  for (int id : {101, 102, 103, 1, 8}) child(dialog, id);
  EXPECT_EQ(ids_in_window_order(dialog), (std::vector<int>{101, 102, 103, 1, 8}));
  std::vector<int> backwards;
  for (HWND h = GetWindow(GetTopWindow(dialog), GW_HWNDLAST); h; h = GetWindow(h, GW_HWNDPREV))
    backwards.push_back(GetDlgCtrlID(h));
  EXPECT_EQ(backwards, (std::vector<int>{8, 1, 103, 102, 101}));
}

TEST_F(WindowTree, ZOrderChangesMoveChildrenInTheOrder) {
  struct Case {
    const char* name;
    HWND (*insert_after)(const std::vector<HWND>&);
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"to the top", [](const std::vector<HWND>&) { return HWND_TOP; }, {3, 1, 2, 4}},
      {"to the bottom", [](const std::vector<HWND>&) { return HWND_BOTTOM; }, {1, 2, 4, 3}},
      {"after the first", [](const std::vector<HWND>& k) { return k[0]; }, {1, 3, 2, 4}},
      {"after itself", [](const std::vector<HWND>& k) { return k[2]; }, {1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    standin::reset();
    HWND parent = top();
    std::vector<HWND> kids;
    for (int id : {1, 2, 3, 4}) kids.push_back(child(parent, id));
    SetWindowPos(kids[2], c.insert_after(kids), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ids_in_window_order(parent), c.expected) << c.name;
  }
}

TEST_F(WindowTree, BringWindowToTopPutsAChildFirst) {
  HWND parent = top();
  child(parent, 1);
  HWND second = child(parent, 2);
  BringWindowToTop(second);
  EXPECT_EQ(GetTopWindow(parent), second);
}

TEST_F(WindowTree, GetParentAnswersParentOwnerOrNothing) {
  HWND main = top();
  HWND popup = CreateWindowExA(0, "Frame", "", WS_POPUP, 0, 0, 5, 5, main, nullptr, nullptr, nullptr);
  HWND overlapped = CreateWindowExA(0, "Frame", "", WS_OVERLAPPED, 0, 0, 5, 5, main, nullptr,
                                    nullptr, nullptr);
  HWND control = child(popup, 7);
  EXPECT_EQ(GetParent(control), popup);
  EXPECT_EQ(GetParent(popup), main) << "a popup's parent is its owner";
  EXPECT_EQ(GetParent(overlapped), nullptr) << "an overlapped window has no parent";
  EXPECT_EQ(GetWindow(overlapped, GW_OWNER), main);
  EXPECT_EQ(GetParent(main), nullptr);
}

TEST_F(WindowTree, OwnerIsTheTopLevelWindowOfTheGivenParent) {
  HWND main = top();
  HWND control = child(main, 5);
  HWND popup =
      CreateWindowExA(0, "Frame", "", WS_POPUP, 0, 0, 5, 5, control, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
}

TEST_F(WindowTree, GetDlgItemSearchesDirectChildrenOnly) {
  HWND dialog = top();
  HWND group = child(dialog, 203);
  HWND inner = child(group, 1016);
  EXPECT_EQ(GetDlgItem(dialog, 203), group);
  EXPECT_EQ(GetDlgItem(dialog, 1016), nullptr);
  EXPECT_EQ(standin::find_by_id_path(dialog, {203, 1016}), inner);
  EXPECT_EQ(standin::find_by_id_path(dialog, {204, 1016}), nullptr);
  EXPECT_EQ(GetDlgItem(nullptr, 203), nullptr);
}

TEST_F(WindowTree, FindWindowExMatchesClassAndTextIgnoringCase) {
  HWND main = top();
  HWND toolbar = child(main, 1, "Toolbar");
  HWND client = child(main, 2, "MDIClient", "Docs");
  HWND second = child(main, 3, "mdiclient");
  EXPECT_EQ(FindWindowExA(main, nullptr, "MDIClient", nullptr), client);
  EXPECT_EQ(FindWindowExA(main, nullptr, "MDICLIENT", "docs"), client);
  EXPECT_EQ(FindWindowExA(main, client, "MDIClient", nullptr), second);
  EXPECT_EQ(FindWindowExA(main, nullptr, nullptr, nullptr), toolbar);
  EXPECT_EQ(FindWindowExA(main, nullptr, "Nothing", nullptr), nullptr);
  EXPECT_EQ(FindWindowExA(main, main, nullptr, nullptr), nullptr) << "child-after not a child";
  EXPECT_EQ(FindWindowExA(nullptr, nullptr, "Frame", nullptr), main);
}

TEST_F(WindowTree, ClassNamesOfPredefinedClassesTakeTheirOwnSpelling) {
  HWND main = top();
  HWND button = child(main, 1, "BUTTON");
  HWND custom = child(main, 2, "myClass");
  HWND dialog = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr);
  char name[16];
  EXPECT_EQ(GetClassNameA(button, name, sizeof name), 6);
  EXPECT_STREQ(name, "Button");
  GetClassNameA(custom, name, sizeof name);
  EXPECT_STREQ(name, "myClass");
  GetClassNameA(dialog, name, sizeof name);
  EXPECT_STREQ(name, "#32770");
  EXPECT_EQ(GetClassNameA(button, name, 4), 3);
  EXPECT_STREQ(name, "But");
}

TEST_F(WindowTree, ChildWindowNeedsAParent) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_TLW_WITH_WSCHILD));
}

std::vector<std::pair<HWND, UINT>> destroy_log;

INT_PTR CALLBACK logging_proc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_DESTROY) destroy_log.push_back({hwnd, msg});
  return FALSE;
}

LRESULT CALLBACK logging_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) destroy_log.push_back({hwnd, msg});
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(WindowTree, DestroyWindowSendsDestroyToParentThenChildrenAndFreesThem) {
  destroy_log.clear();
  HWND dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
  standin::set_dialog_proc(dialog, logging_proc);
  HWND a = child(dialog, 1);
  HWND b = child(dialog, 2);
  SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(logging_window_proc));
  SetWindowLongPtrA(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(logging_window_proc));
  EXPECT_TRUE(DestroyWindow(dialog));
  ASSERT_EQ(destroy_log.size(), 3u);
  EXPECT_EQ(destroy_log[0].first, dialog);
  EXPECT_EQ(destroy_log[1].first, a);
  EXPECT_EQ(destroy_log[2].first, b);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_EQ(standin::window_count(), 0u);
  EXPECT_FALSE(DestroyWindow(dialog)) << "a destroyed window cannot be destroyed again";
}

TEST_F(WindowTree, DestroyingAWindowDestroysTheWindowsItOwns) {
  HWND main = top();
  HWND popup = CreateWindowExA(0, "Frame", "", WS_POPUP, 0, 0, 5, 5, main, nullptr, nullptr, nullptr);
  DestroyWindow(main);
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(WindowTree, EnumChildWindowsVisitsDescendantsDepthFirst) {
  HWND main = top();
  HWND a = child(main, 1);
  child(a, 11);
  child(main, 2);
  std::vector<int> seen;
  EnumChildWindows(
      main,
      [](HWND h, LPARAM lp) -> BOOL {
        reinterpret_cast<std::vector<int>*>(lp)->push_back(GetDlgCtrlID(h));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<int>{1, 11, 2}));
}

}  // namespace
