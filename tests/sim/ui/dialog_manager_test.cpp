// The host's dialog manager and a person at the dialog it made: the real
// respacing template with a recording dialog procedure of the test's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/testing.h"
#include "sim/ui/person.h"
#include "sim/ui/units.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"
#include "ui/respacing_dialog_ids.h"

extern const unsigned char kvPluginResourceFile[];
extern const size_t kvPluginResourceFileSize;

namespace {

constexpr FxWord kVersion = 0x0F000200;

struct Received {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
  int notify_code = 0;  // WM_NOTIFY: the code; UDN_DELTAPOS: also the delta in `delta`
  int delta = 0;
};
std::vector<Received> received;
bool handle_close = true;
bool cancel_deltas = false;

INT_PTR CALLBACK recording_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Received r{msg, wp, lp};
  if (msg == WM_NOTIFY) {
    const auto* note = reinterpret_cast<const NMUPDOWN*>(lp);
    r.notify_code = int(note->hdr.code);
    r.delta = note->iDelta;
  }
  received.push_back(r);
  switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_CLOSE: return handle_close;
    case WM_NOTIFY:  // a dialog answers a notification through DWLP_MSGRESULT
      SetWindowLongPtrA(hwnd, int(DWLP_MSGRESULT), cancel_deltas ? TRUE : FALSE);
      return TRUE;
    default: return FALSE;
  }
}

std::vector<Received> of(UINT msg) {
  std::vector<Received> found;
  for (const Received& r : received)
    if (r.msg == msg) found.push_back(r);
  return found;
}

class DialogManager : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    received.clear();
    handle_close = true;
    cancel_deltas = false;
    standin::register_module("manager_test.dll", nullptr, 0);
    standin::register_module_resources("manager_test.dll", kvPluginResourceFile, kvPluginResourceFileSize);
    host.set_plugin_module(GetModuleHandleA("manager_test.dll"));
    dialog = HWND(call_host("FX_Dialog", IDD_RESPACING, recording_proc, host.main_window(), 0, 0, kVersion));
    received.clear();
  }
  void TearDown() override { host.set_plugin_module(nullptr); }
  HWND item(int id) const { return GetDlgItem(dialog, id); }
  HWND dialog = nullptr;
};

TEST_F(DialogManager, FxDialogMakesTheTemplateIntoAnOpenDialog) {
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(host.last_dialog(), dialog);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(call_host("FX_Dialog", 999, recording_proc, host.main_window(), 0, 0, kVersion), 0)
      << "no such template";
}

TEST_F(DialogManager, TimersTickOnTheClockUntilTheDialogEnds) {
  EXPECT_EQ(call_host("FX_SetTimer", dialog, 1, 500, kVersion), 1);
  standin::advance_clock(1499);
  ASSERT_EQ(of(WM_TIMER).size(), 2u);
  EXPECT_EQ(of(WM_TIMER)[0].wp, 1u);
  EXPECT_EQ(call_host("FX_EndDialog", dialog, kVersion), 1);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(of(WM_DESTROY).size(), 1u);
  standin::advance_clock(1000);
  EXPECT_EQ(of(WM_TIMER).size(), 2u);
}

TEST_F(DialogManager, ItemFunctionsEnableLabelAndFocusControls) {
  EXPECT_EQ(call_host("FX_EnableDlgItem", dialog, IDC_APPLY, 0, kVersion), 1);
  EXPECT_FALSE(IsWindowEnabled(item(IDC_APPLY)));
  call_host("FX_EnableDlgItem", dialog, IDC_APPLY, 1, kVersion);
  EXPECT_TRUE(IsWindowEnabled(item(IDC_APPLY)));
  EXPECT_EQ(call_host("FX_SetDlgString", dialog, IDC_CURRENT_PAGE, "&Aktuelle Seite (3)", kVersion), 1);
  EXPECT_EQ(sim::Person(dialog).text(IDC_CURRENT_PAGE), "&Aktuelle Seite (3)");
  EXPECT_EQ(call_host("FX_SetDlgFocus", dialog, IDC_TOP_MARGIN, kVersion), 1);
  EXPECT_EQ(GetFocus(), item(IDC_TOP_MARGIN));
  EXPECT_EQ(call_host("FX_SetDlgFocus", dialog, 999, kVersion), 0);
  EXPECT_EQ(call_host("FX_RedrawMusic", 0, kVersion), 1);
  EXPECT_EQ(host.log().count("FX_RedrawMusic"), 1);
}

TEST_F(DialogManager, NumbersAreSixteenBitAndUnreadableTextIsZero) {
  const struct {
    const char* text;
    FxWord value;
  } cases[] = {{"", 0}, {"abc", 0}, {"-5", -5}, {"70000", 4464}, {"12abc", 12}};
  for (const auto& c : cases) {
    SetDlgItemTextA(dialog, IDC_TOP_MARGIN, c.text);
    EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, IDC_TOP_MARGIN, 3, kVersion), c.value) << '"' << c.text << '"';
  }
  call_host("FX_SetDlgItemVal", dialog, IDC_FROM_PAGE, 3, 0xFFFB, kVersion);
  EXPECT_EQ(sim::Person(dialog).text(IDC_FROM_PAGE), "-5") << "a written number is a 16-bit value";
}

TEST_F(DialogManager, LengthFieldsShowAndReadTheHostsUnit) {
  EXPECT_EQ(call_host("FX_SetDlgItemUser", dialog, IDC_TOP_MARGIN, sim::kUnitInches, 100.0, kVersion), 1);
  EXPECT_EQ(sim::Person(dialog).text(IDC_TOP_MARGIN), "0.347");
  double evpu = -1;
  EXPECT_EQ(call_host("FX_GetDlgItemUser", dialog, IDC_TOP_MARGIN, sim::kUnitInches, &evpu, kVersion), 1);
  EXPECT_DOUBLE_EQ(evpu, 100.0) << "an untouched field reads back the length written, not 0.347 inches";
  SetDlgItemTextA(dialog, IDC_TOP_MARGIN, "0,5");
  EXPECT_EQ(call_host("FX_GetDlgItemUser", dialog, IDC_TOP_MARGIN, sim::kUnitInches, &evpu, kVersion), 1);
  EXPECT_DOUBLE_EQ(evpu, 144.0);
  SetDlgItemTextA(dialog, IDC_TOP_MARGIN, "lots");
  EXPECT_EQ(call_host("FX_GetDlgItemUser", dialog, IDC_TOP_MARGIN, sim::kUnitInches, &evpu, kVersion), 0);
  EXPECT_DOUBLE_EQ(evpu, 0.0) << "an unreadable text reads as 0";
}

TEST_F(DialogManager, HostNotificationsReachTheMainWindow) {
  static std::vector<Received> main_received;
  main_received.clear();
  struct Recorder {
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
      main_received.push_back({msg, wp, lp});
      return msg == WM_CLOSE ? 0 : DefWindowProcA(hwnd, msg, wp, lp);
    }
  };
  SetWindowLongPtrA(host.main_window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder::proc));
  host.raise_language_changed();
  host.raise_activation(false);
  host.raise_activation(true);
  host.raise_closing();
  ASSERT_EQ(main_received.size(), 4u);
  EXPECT_EQ(main_received[0].msg, UINT(WM_SETTINGCHANGE));
  EXPECT_STREQ(reinterpret_cast<const char*>(main_received[0].lp), "intl");
  EXPECT_EQ(main_received[1].msg, UINT(WM_ACTIVATEAPP));
  EXPECT_EQ(main_received[1].wp, 0u);
  EXPECT_EQ(main_received[2].wp, 1u);
  EXPECT_EQ(main_received[3].msg, UINT(WM_CLOSE));
}

// --- A person at the dialog ----------------------------------------------------

TEST_F(DialogManager, APersonClicksButtonsAsWindowsHandlesThem) {
  sim::Person person(dialog);
  person.click(IDC_SINGLE_PAGE);
  person.click(IDC_ALL_PAGES);
  person.click(IDC_COMPACT);
  EXPECT_TRUE(person.checked(IDC_ALL_PAGES));
  EXPECT_FALSE(person.checked(IDC_SINGLE_PAGE)) << "an automatic radio clears its group";
  EXPECT_TRUE(person.checked(IDC_COMPACT));
  EXPECT_TRUE(person.has_focus(IDC_COMPACT));
  const std::vector<Received> commands = of(WM_COMMAND);
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].wp, MAKEWPARAM(IDC_SINGLE_PAGE, BN_CLICKED));
  EXPECT_EQ(commands[2].wp, MAKEWPARAM(IDC_COMPACT, BN_CLICKED));
  EnableWindow(item(IDC_APPLY), FALSE);
  received.clear();
  person.click(IDC_APPLY);
  EXPECT_TRUE(received.empty()) << "a disabled button ignores the click";
  EXPECT_THROW(person.click(999), std::invalid_argument);
}

TEST_F(DialogManager, APersonTypingReplacesTheTextAndTheDialogHearsEnChange) {
  sim::Person person(dialog);
  SetDlgItemTextA(dialog, IDC_FROM_PAGE, "12");
  SendDlgItemMessageA(dialog, IDC_FROM_PAGE, EM_LIMITTEXT, 4, 0);
  received.clear();
  person.type(IDC_FROM_PAGE, "3a45678");
  EXPECT_EQ(person.text(IDC_FROM_PAGE), "3456") << "digits only, cut to the limit";
  EXPECT_TRUE(person.has_focus(IDC_FROM_PAGE));
  const std::vector<Received> commands = of(WM_COMMAND);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.back().wp, MAKEWPARAM(IDC_FROM_PAGE, EN_CHANGE));
}

TEST_F(DialogManager, PageArrowsWriteTheirBuddyAndMarginArrowsOnlyNotify) {
  sim::Person person(dialog);
  SendDlgItemMessageA(dialog, IDC_FROM_PAGE_UPDOWN, UDM_SETRANGE, 0, MAKELPARAM(10, 1));
  SetDlgItemTextA(dialog, IDC_FROM_PAGE, "3");
  SetDlgItemTextA(dialog, IDC_TOP_MARGIN, "0.347");
  person.press_arrow(IDC_FROM_PAGE_UPDOWN, true);
  EXPECT_EQ(person.text(IDC_FROM_PAGE), "4");
  received.clear();
  person.press_arrow(IDC_TOP_MARGIN_UPDOWN, false);
  EXPECT_EQ(person.text(IDC_TOP_MARGIN), "0.347") << "without UDS_SETBUDDYINT the buddy is the dialog's business";
  const std::vector<Received> notes = of(WM_NOTIFY);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].wp, WPARAM(IDC_TOP_MARGIN_UPDOWN));
  EXPECT_EQ(notes[0].notify_code, int(UDN_DELTAPOS));
  cancel_deltas = true;
  person.press_arrow(IDC_FROM_PAGE_UPDOWN, true);
  EXPECT_EQ(person.text(IDC_FROM_PAGE), "4") << "a nonzero message result for UDN_DELTAPOS cancels the step";
}

TEST_F(DialogManager, TheCloseBoxSendsWmCloseAndUnhandledItBecomesCancel) {
  sim::Person person(dialog);
  person.press_close_box();
  ASSERT_EQ(of(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(of(WM_COMMAND).empty());
  handle_close = false;
  person.press_close_box();
  ASSERT_EQ(of(WM_COMMAND).size(), 1u);
  EXPECT_EQ(of(WM_COMMAND)[0].wp, MAKEWPARAM(IDCANCEL, BN_CLICKED));
  EXPECT_TRUE(person.dialog_open());
}

TEST_F(DialogManager, APersonHoldsCtrlAndWaitsForTimers) {
  sim::Person person(dialog);
  person.hold_ctrl(true);
  EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
  person.hold_ctrl(false);
  EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
  call_host("FX_SetTimer", dialog, 1, 500, kVersion);
  person.wait(1000);
  EXPECT_EQ(of(WM_TIMER).size(), 2u);
}

TEST_F(DialogManager, AMinimisedDialogComesBackWithSwRestore) {
  sim::Person person(dialog);
  SendMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(person.dialog_visible());
  ShowWindow(dialog, SW_RESTORE);
  EXPECT_TRUE(person.dialog_visible());
  EXPECT_TRUE(person.visible(IDC_APPLY));
}

}  // namespace
