// The plug-in DLL in the simulated host built as FINALE.EXE, under Wine (the
// 64-bit build's own DLL, or the shipped 32-bit DLL in a 32-bit FINALE.EXE):
// the real loader, the real dialog made from the DLL's resource, real input
// messages, real timers and the real registry. On a failure the test
// prints what the host saw: the calls it answered, the message boxes, the
// dialog's controls.
//
// The Apply test writes the respaced demo score to demo-respaced-wine.json in
// the working directory; the ctest e2e_gaps_native compares its gaps with the
// ones the native dunvaro-sim writes for the same score and settings.
// FinaleSwedishE2E runs on its own (ctest e2e_swedish) with a Swedish locale.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "e2e/beep_recorder.h"
#include "sim/finale/message_box_catcher.h"
#include "sim/host/exports.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"
#include "sim/score/score_file.h"
#include "sim/ui/person.h"
#include "ui/respacing_dialog_ids.h"

namespace {

const char kSettingsKey[] = "Software\\KVPlugins\\KVDunvaro104";

class FinaleE2E : public testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    use_score(sim::demo_score());
    sim::install(host_);
  }
  // The score the host holds, shown in page view at page 1.
  void use_score(const sim::ScoreFile& file) {
    host_.score() = file.score;
    host_.set_version_word(file.host_version);
    host_.set_page_view(true);
    host_.set_current_page(1);
    before_ = host_.score();
  }
  void TearDown() override {
    if (HasFailure()) print_what_the_host_saw();
  }

  // Loads the plug-in as the host does at start-up and picks its menu item.
  // The plug-in's beeps are recorded from the moment it is loaded.
  HWND open_dialog() {
    beeps_.reset();
    session_ = std::make_unique<sim::PluginSession>(host_);
    beeps_ = std::make_unique<e2e::BeepRecorder>(session_->module());
    session_->version();
    session_->init();
    session_->enumerate();
    session_->invoke();
    return session_->dialog();
  }

  int changed_gaps() const {
    int changed = 0;
    for (size_t i = 0; i < before_.systems.size(); ++i)
      changed += before_.systems[i].gap != host_.score().systems[i].gap;
    return changed;
  }

  void print_what_the_host_saw() {
    std::printf("calls answered by the host:");
    for (size_t i = 0; i < sim::export_count(); ++i)
      if (int n = host_.log().count(sim::export_table()[i].name)) std::printf(" %s x%d", sim::export_table()[i].name, n);
    std::printf("\nmessage boxes:");
    for (const finale::CaughtBox& box : boxes_.boxes())
      std::printf(" [%s | %s | 0x%x]", box.caption.c_str(), box.text.c_str(), box.style);
    HWND dialog = session_ ? session_->dialog() : nullptr;
    std::printf("\ndialog: %s\n", dialog ? "open" : "none");
    for (HWND c = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT)) {
      char text[100] = "";
      GetWindowTextA(c, text, sizeof text);
      std::printf("  %4ld %-32s %s%s\n", GetWindowLongA(c, GWL_ID), text, IsWindowEnabled(c) ? "" : "disabled ",
                  SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "");
    }
  }

  int error_beeps() const {
    int n = 0;
    for (UINT type : beeps_->beeps()) n += type == MB_ICONEXCLAMATION;
    return n;
  }

  // The settings value Terminate stored, as its eleven 16-bit fields.
  std::vector<int> stored_settings() {
    std::vector<int> fields;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return fields;
    BYTE value[64] = {};
    DWORD type = 0, size = sizeof value;
    const LONG status = RegQueryValueExA(key, "UserDialog", nullptr, &type, value, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_BINARY) return fields;
    for (DWORD i = 0; i + 1 < size; i += 2) fields.push_back(int16_t(value[i] | value[i + 1] << 8));
    return fields;
  }

  sim::Host host_;
  sim::Score before_;
  finale::MessageBoxCatcher boxes_;
  std::unique_ptr<sim::PluginSession> session_;
  std::unique_ptr<e2e::BeepRecorder> beeps_;  // after session_: restored before the library goes
};

TEST_F(FinaleE2E, ApplyRespacesThenAMenuPickRestoresTheDialogAndCtrlApplyClosesIt) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr) << "FX_Dialog made no dialog from resource 20128";
  sim::Person person(dialog);
  EXPECT_TRUE(person.enabled(IDC_APPLY));
  // The file first holds the demo score as it was, so that a result of an
  // earlier run never stands in for this one's.
  sim::ScoreFile written = sim::demo_score();
  sim::save_score_file(written, "demo-respaced-wine.json");
  person.click(IDC_ALL_PAGES);
  person.click(IDC_APPLY);
  EXPECT_GT(changed_gaps(), 0) << "Apply on all pages of the demo score changed no gap";
  written.score = host_.score();
  sim::save_score_file(written, "demo-respaced-wine.json");
  EXPECT_TRUE(person.dialog_open()) << "Apply without Ctrl keeps the dialog";

  ShowWindow(dialog, SW_MINIMIZE);
  session_->invoke();
  EXPECT_EQ(session_->dialog(), dialog) << "a second pick reuses the open dialog";
  EXPECT_TRUE(person.dialog_visible()) << "a second pick restores the minimised dialog";
  EXPECT_TRUE(person.checked(IDC_ALL_PAGES)) << "restoring does not initialise the controls again";

  person.hold_ctrl(true);
  person.click(IDC_APPLY);
  person.hold_ctrl(false);
  EXPECT_FALSE(person.dialog_open()) << "Ctrl+Apply closes the dialog";
}

// Keys as a person presses them, handed to the dialog by the host's loop
// (IsDialogMessageA): the same keys and results as the simulator's keyboard
// session (examples/session-keyboard.txt), here in real Windows.
TEST_F(FinaleE2E, KeysReachTheDialogThroughTheHostsLoop) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  person.press_key('A', sim::Person::kAlt);
  EXPECT_TRUE(person.checked(IDC_ALL_PAGES)) << "Alt+A clicks All pages";
  EXPECT_TRUE(person.has_focus(IDC_ALL_PAGES));
  person.press_key('T', sim::Person::kAlt);
  EXPECT_TRUE(person.has_focus(IDC_TOP_MARGIN)) << "Alt+T on the label gives its field the focus";
  person.press_key(VK_TAB);
  EXPECT_TRUE(person.has_focus(IDC_BOTTOM_MARGIN)) << "Tab";
  person.press_key(VK_TAB, sim::Person::kShift);
  EXPECT_TRUE(person.has_focus(IDC_TOP_MARGIN)) << "Shift+Tab";
  person.press_key('K', sim::Person::kAlt);
  EXPECT_TRUE(person.checked(IDC_KEEP_TOPMOST)) << "Alt+K clicks the check box";
  person.press_key(VK_SPACE);
  EXPECT_FALSE(person.checked(IDC_KEEP_TOPMOST)) << "Space clicks the focused check box";
  person.press_key(VK_ESCAPE);
  EXPECT_TRUE(person.dialog_open()) << "Escape is the cancel command, which the dialog leaves alone";
  person.press_key(VK_RETURN);
  EXPECT_GT(changed_gaps(), 0) << "Enter presses Apply, the default button";
  EXPECT_TRUE(person.dialog_open());
  person.minimise();
  EXPECT_FALSE(person.dialog_visible()) << "the minimise box";
  person.restore();
  EXPECT_TRUE(person.dialog_visible()) << "restored";
}

// Each rejected entry beeps, takes the focus with its whole text selected,
// shows no box and runs nothing; the settings keep what Init gave them.
TEST_F(FinaleE2E, ARejectedEntryBeepsFocusesTheFieldAndKeepsTheSettings) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(beeps_->ok()) << "the DLL imports no MessageBeep from user32";
  sim::Person person(dialog);
  person.click(IDC_SELECTED_PAGES);
  const struct {
    const char* what;
    int field;
    const char* entry;
  } rejected[] = {
      {"from above to", IDC_FROM_PAGE, "3"},  // to is 2
      {"to above the 4 pages", IDC_TO_PAGE, "999"},
      {"top margin above 700 EVPU", IDC_TOP_MARGIN, "701e"},
      {"bottom margin above 300 EVPU", IDC_BOTTOM_MARGIN, "301e"},
  };
  for (const auto& r : rejected) {
    SCOPED_TRACE(r.what);
    person.type(IDC_FROM_PAGE, "1");
    person.type(IDC_TO_PAGE, "2");
    person.type(IDC_TOP_MARGIN, "0");
    person.type(IDC_BOTTOM_MARGIN, "0");
    person.type(r.field, r.entry);
    person.click(IDC_PLACE_TOP);  // the focus leaves the field
    const int beeps_before = error_beeps();
    person.click(IDC_APPLY);
    EXPECT_EQ(error_beeps(), beeps_before + 1) << "one error beep (MessageBeep MB_ICONEXCLAMATION)";
    EXPECT_TRUE(person.has_focus(r.field));
    const LRESULT selection = SendDlgItemMessageA(dialog, r.field, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), person.text(r.field).size()) << "the whole entry is selected";
  }
  EXPECT_EQ(host_.log().count("FX_UpdateLayout"), 0) << "the page driver never ran";
  EXPECT_EQ(changed_gaps(), 0);
  EXPECT_TRUE(boxes_.boxes().empty()) << "a rejected entry beeps, it shows no box";

  // Closing with the last entry still rejected beeps once more and stores
  // nothing but the dialog's position.
  person.click(IDC_CLOSE);
  EXPECT_EQ(error_beeps(), int(std::size(rejected)) + 1);
  EXPECT_FALSE(person.dialog_open());
  session_->terminate();
  const std::vector<int> stored = stored_settings();
  ASSERT_EQ(stored.size(), 11u);
  // processRange, firstPage, lastPage, keepTopmostStill, includeGaps, extra
  // top and bottom margins, singleSystems as Init left them: the defaults, 1..9999.
  EXPECT_EQ(std::vector<int>(stored.begin(), stored.begin() + 8), (std::vector<int>{3, 1, 9999, 0, 0, 0, 0, 2}));
  EXPECT_EQ(stored[10], 0) << "compact";
}

// Extra margins of 700 and 300 EVPU leave the tall lone system on page 1 of
// the orchestral example no room (copied beside FINALE.EXE from examples/):
// that page gives its information box, and the other pages are respaced.
TEST_F(FinaleE2E, APageThatCannotBeProcessedShowsItsInformationBox) {
  use_score(sim::load_score_file("orchestral.json"));
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  person.click(IDC_ALL_PAGES);
  person.type(IDC_TOP_MARGIN, "700e");  // the host shows inches; "e" types EVPU
  person.type(IDC_BOTTOM_MARGIN, "300e");
  person.click(IDC_APPLY);
  ASSERT_EQ(boxes_.boxes().size(), 1u);
  const finale::CaughtBox& box = boxes_.boxes()[0];
  EXPECT_EQ(box.caption, "Information");
  EXPECT_EQ(box.text, "Extra margins are too wide. Page 1 was not processed.");
  EXPECT_EQ(box.style, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(host_.score().systems[0].gap, before_.systems[0].gap) << "page 1 is left as it was";
  EXPECT_GT(changed_gaps(), 0) << "pages 2 and 3 are respaced";
  EXPECT_TRUE(person.dialog_open());
}

TEST_F(FinaleE2E, TerminateStoresTheSettingsInTheRegistryAndTheNextInitReadsThem) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  person.click(IDC_SINGLE_PAGE);
  person.click(IDC_CLOSE);
  EXPECT_FALSE(person.dialog_open());
  session_->terminate();
  beeps_.reset();
  session_.reset();

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  BYTE value[64] = {};
  DWORD type = 0, size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "UserDialog", nullptr, &type, value, &size), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, DWORD(REG_BINARY));
  EXPECT_EQ(size, 22u);
  EXPECT_EQ(value[0] | value[1] << 8, 1) << "processRange of a single page";

  sim::Person reopened(open_dialog());
  EXPECT_TRUE(reopened.checked(IDC_SINGLE_PAGE)) << "the next Init read the stored settings";
  session_->terminate();
}

// The width a control's text takes in the control's font, and the room the
// control leaves it: a check box or radio button draws its mark first, a
// group box its line and a push button its edge.
int text_width(HWND control, const std::string& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

int text_room(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  char cls[16] = {};
  GetClassNameA(control, cls, int(sizeof cls));
  if (lstrcmpiA(cls, "Button") != 0) return r.right;
  const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  const bool marked = type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX;
  return r.right - (marked ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 8);
}

// Run with LC_ALL=sv_SE.UTF-8 (ctest e2e_swedish): Wine then reports Swedish
// as the user-interface language and the plug-in labels its dialog in
// Swedish, each accelerator letter used once, every label whole (the current
// page's with a page number of three digits).
class FinaleSwedishE2E : public FinaleE2E {};

TEST_F(FinaleSwedishE2E, TheDialogIsInSwedishWithUniqueAccelerators) {
  ASSERT_EQ(GetUserDefaultUILanguage(), 0x041D) << "Wine does not report Swedish: run with LC_ALL=sv_SE.UTF-8";
  host_.set_current_page(999);
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  // Windows-1252: \xC4 \xD6 \xE4 \xE5 \xF6 are Ä Ö ä å ö.
  const struct {
    int id;
    const char* label;
    bool accelerator;
  } labels[] = {
      {IDC_PROCESS_RANGE_GROUP, "Arbetsavsnitt", false},
      {IDC_CURRENT_PAGE, "Nuvarande sida (999)", true},
      {IDC_ALL_PAGES, "Alla sidor", true},
      {IDC_SINGLE_PAGE, "Enstaka sida", true},
      {IDC_SELECTED_PAGES, "Valda sidor", true},
      {IDC_TO_LABEL, "till", false},
      {IDC_MARGINS_GROUP, "Extra sidmarginaler", false},
      {IDC_TOP_LABEL, "\xD6verst:", true},
      {IDC_BOTTOM_LABEL, "Nederst:", true},
      {IDC_MULTIPLE_SYSTEMS_GROUP, "Flera system", false},
      {IDC_KEEP_TOPMOST, "H\xE5ll \xF6versta systemet still", true},
      {IDC_INCLUDE_GAPS, "Ta med befintliga mellanrum", true},
      {IDC_COMPACT, "Kompakt", true},
      {IDC_SINGLE_SYSTEMS_GROUP, "Ensamma system", false},
      {IDC_LEAVE_ALONE, "G\xF6r ingenting", false},
      {IDC_PLACE_TOP, "\xD6verst", false},
      {IDC_PLACE_CENTER, "Centrera", false},
      {IDC_PLACE_BOTTOM, "Nederst", false},
      {IDC_APPLY, "Verkst\xE4ll", false},
      {IDC_CLOSE, "St\xE4ng", true},
  };
  std::string letters;
  for (const auto& l : labels) {
    std::string text = person.text(l.id);
    SCOPED_TRACE(text);
    const size_t amp = text.find('&');
    EXPECT_EQ(amp != std::string::npos, l.accelerator);
    if (amp != std::string::npos) {
      ASSERT_LT(amp + 1, text.size());
      char letter[2] = {text[amp + 1], 0};
      CharUpperA(letter);
      EXPECT_EQ(letters.find(letter[0]), std::string::npos) << "accelerator " << letter << " used twice";
      letters += letter[0];
      text.erase(amp, 1);
    }
    EXPECT_EQ(text, l.label);
    HWND control = GetDlgItem(dialog, l.id);
    EXPECT_LE(text_width(control, text), text_room(control)) << "the label is clipped";
  }
  session_->terminate();
}

// Each ctest row of this suite names the Windows it runs as
// (KV_EXPECT_WINDOWS; e2e_win98 and e2e_winxp also set the prefix to report
// it): on Windows 98 the plug-in reads the document's view from the window
// tree, as it does on 95 and Me. Wine must report what the row asked for, or
// the row proves nothing; a row that names nothing fails.
TEST_F(FinaleE2E, WineReportsTheWindowsVersionTheRunAskedFor) {
  struct Windows {
    const char* name;
    DWORD platform, major, minor;
  };
  // Windows 10 tells a program without a compatibility manifest that it is 6.2.
  const Windows versions[] = {{"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10},
                              {"winxp", VER_PLATFORM_WIN32_NT, 5, 1},
                              {"win7", VER_PLATFORM_WIN32_NT, 6, 1},
                              {"win10", VER_PLATFORM_WIN32_NT, 6, 2}};
  const char* asked = std::getenv("KV_EXPECT_WINDOWS");
  ASSERT_NE(asked, nullptr) << "the ctest row does not say which Windows it expects (KV_EXPECT_WINDOWS)";
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  for (const Windows& w : versions) {
    if (std::string(asked) != w.name) continue;
    EXPECT_EQ(version.dwPlatformId, w.platform) << asked;
    EXPECT_EQ(version.dwMajorVersion * 100 + version.dwMinorVersion, w.major * 100 + w.minor) << asked;
    return;
  }
  FAIL() << "no expectation for " << asked;
}

}  // namespace
