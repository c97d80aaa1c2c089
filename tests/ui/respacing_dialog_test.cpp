// The respacing dialog as a person uses it: the plug-in loaded from the host's
// menu, the dialog driven with clicks, typing, arrows, Ctrl and the clock.
#include "ui/respacing_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/posix/testing.h"
#include "globals/user_prefs.h"
#include "host/record_tags.h"
#include "sim/host/generated_score.h"
#include "sim/host/plugin_session.h"
#include "sim/ui/person.h"
#include "sim/ui/units.h"
#include "support/sim_host_fixture.h"
#include "toolkit/host_notifications.h"
#include "ui/respacing_dialog_ids.h"

namespace {

constexpr int kPages = 10;

std::string without_marker(std::string text) {
  const size_t at = text.find('&');
  if (at != std::string::npos) text.erase(at, 1);
  return text;
}

class RespacingDialog : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    for (int i = 0; i < kPages; ++i) host.add_page();
    host.set_unit(sim::kUnitEvpu);
    host.set_page_view(true);
    host.set_current_page(3);
  }
  void TearDown() override {
    if (session_) session_->terminate();
    session_.reset();
    SimHostTest::TearDown();
  }

  // Loads the plug-in as the host does and picks its menu item.
  sim::Person open() {
    session_ = std::make_unique<sim::PluginSession>(host);
    session_->version();
    session_->init();
    session_->enumerate();
    session_->invoke();
    return sim::Person(session_->dialog());
  }

  std::unique_ptr<sim::PluginSession> session_;
};

struct EntryCase {
  const char* name;
  int range;  // radio button clicked
  const char* from;
  const char* to;
  const char* top;
  const char* bottom;
  bool avoid_collision;
  int rejected_at;  // control focused on rejection, 0 when accepted
  int16_t first, last, top_evpu, bottom_evpu;  // the record after an accepted Apply
};

TEST_F(RespacingDialog, ApplyChecksTheEntriesBeforeAnythingRuns) {
  const EntryCase cases[] = {
      {"all pages ignore the edits", IDC_ALL_PAGES, "5", "2", "0", "0", false, 0, 1, kPages, 0, 0},
      {"single page takes from", IDC_SINGLE_PAGE, "3", "8", "0", "0", false, 0, 3, 3, 0, 0},
      {"current page", IDC_CURRENT_PAGE, "5", "6", "0", "0", false, 0, 3, 3, 0, 0},
      {"selected pages", IDC_SELECTED_PAGES, "2", "9", "0", "0", false, 0, 2, 9, 0, 0},
      {"from above to", IDC_SELECTED_PAGES, "5", "2", "0", "0", false, IDC_FROM_PAGE, 0, 0, 0, 0},
      {"from zero", IDC_SELECTED_PAGES, "0", "2", "0", "0", false, IDC_FROM_PAGE, 0, 0, 0, 0},
      {"to beyond the score", IDC_SELECTED_PAGES, "2", "999", "0", "0", false, IDC_TO_PAGE, 0, 0, 0, 0},
      {"1000 > 999 (4 digits)", IDC_SELECTED_PAGES, "1000", "999", "0", "0", false, IDC_FROM_PAGE, 0, 0, 0, 0},
      {"10005 cut to 1000", IDC_SELECTED_PAGES, "10005", "1001", "0", "0", false, IDC_TO_PAGE, 0, 0, 0, 0},
      {"top -100", IDC_ALL_PAGES, "", "", "-100", "0", false, 0, 1, kPages, -100, 0},
      {"top -101", IDC_ALL_PAGES, "", "", "-101", "0", false, IDC_TOP_MARGIN, 0, 0, 0, 0},
      {"top 0 avoiding collisions", IDC_ALL_PAGES, "", "", "0", "0", true, 0, 1, kPages, 0, 0},
      {"top -1 avoiding collisions", IDC_ALL_PAGES, "", "", "-1", "0", true, IDC_TOP_MARGIN, 0, 0, 0, 0},
      {"top 700", IDC_ALL_PAGES, "", "", "700", "0", false, 0, 1, kPages, 700, 0},
      {"top 701", IDC_ALL_PAGES, "", "", "701", "0", false, IDC_TOP_MARGIN, 0, 0, 0, 0},
      {"top huge", IDC_ALL_PAGES, "", "", "9999999", "0", false, IDC_TOP_MARGIN, 0, 0, 0, 0},
      {"bottom 300", IDC_ALL_PAGES, "", "", "0", "300", false, 0, 1, kPages, 0, 300},
      {"bottom 301", IDC_ALL_PAGES, "", "", "0", "301", false, IDC_BOTTOM_MARGIN, 0, 0, 0, 0},
      {"bottom -1", IDC_ALL_PAGES, "", "", "0", "-1", false, IDC_BOTTOM_MARGIN, 0, 0, 0, 0},
      {"top before bottom", IDC_ALL_PAGES, "", "", "701", "301", false, IDC_TOP_MARGIN, 0, 0, 0, 0},
      {"fractions truncate", IDC_ALL_PAGES, "", "", "12.9", "-0.5", false, 0, 1, kPages, 12, 0},
      {"negative fractions too", IDC_ALL_PAGES, "", "", "-12.9", "0", false, 0, 1, kPages, -12, 0},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    host.set_avoid_collision(c.avoid_collision);
    sim::Person person = open();
    person.click(IDC_SELECTED_PAGES);  // the page fields take typing only while enabled
    if (*c.from) person.type(IDC_FROM_PAGE, c.from);
    if (*c.to) person.type(IDC_TO_PAGE, c.to);
    person.click(c.range);
    const bool from_open = c.range == IDC_SINGLE_PAGE || c.range == IDC_SELECTED_PAGES;
    for (int id : {IDC_FROM_PAGE, IDC_FROM_PAGE_UPDOWN}) EXPECT_EQ(person.enabled(id), from_open) << id;
    for (int id : {IDC_TO_LABEL, IDC_TO_PAGE, IDC_TO_PAGE_UPDOWN})
      EXPECT_EQ(person.enabled(id), c.range == IDC_SELECTED_PAGES) << id;
    person.type(IDC_TOP_MARGIN, c.top);
    person.type(IDC_BOTTOM_MARGIN, c.bottom);
    const size_t beeps = standin::beeps().size();
    const size_t updates = host.layout_updates().size();
    const int redraws = host.log().count("FX_RedrawMusic");
    const structUserPrefs before = UserPrefs;
    person.click(IDC_APPLY);
    EXPECT_EQ(host.log().count("FX_RedrawMusic"), redraws + (c.rejected_at == 0 ? 1 : 0));
    if (c.rejected_at != 0) {
      EXPECT_EQ(standin::beeps().size(), beeps + 1);
      EXPECT_TRUE(person.has_focus(c.rejected_at));
      EXPECT_EQ(host.layout_updates().size(), updates) << "nothing ran";
      EXPECT_EQ(std::memcmp(&before, &UserPrefs, sizeof before), 0) << "nothing stored";
    } else {
      EXPECT_EQ(standin::beeps().size(), beeps);
      EXPECT_EQ(host.layout_updates().size(), updates + 1);
      EXPECT_EQ(UserPrefs.firstPage, c.first);
      EXPECT_EQ(UserPrefs.lastPage, c.last);
      EXPECT_EQ(UserPrefs.extraTopMargin, c.top_evpu);
      EXPECT_EQ(UserPrefs.extraBottomMargin, c.bottom_evpu);
      EXPECT_TRUE(person.dialog_open()) << "Apply without Ctrl keeps the dialog";
    }
    session_->terminate();
    session_.reset();
  }
}

TEST_F(RespacingDialog, AMarginTheHostCannotReadIsRejectedNotTakenAsZero) {
  sim::Person person = open();
  person.type(IDC_TOP_MARGIN, "50");
  const size_t updates = host.layout_updates().size();
  host.faults().fail_function("FX_GetDlgItemUser");
  person.click(IDC_APPLY);
  host.faults().clear();
  EXPECT_EQ(standin::beeps().size(), 1u);
  EXPECT_TRUE(person.has_focus(IDC_TOP_MARGIN));
  EXPECT_EQ(host.layout_updates().size(), updates) << "nothing ran";
}

TEST_F(RespacingDialog, MarginArrowsStepOneEvpuWithinTheLimits) {
  sim::Person person = open();
  struct Arrow {
    int field, updown;
    const char* start;
    bool up;
    const char* after;
  };
  const Arrow arrows[] = {
      {IDC_TOP_MARGIN, IDC_TOP_MARGIN_UPDOWN, "10", true, "11"},
      {IDC_TOP_MARGIN, IDC_TOP_MARGIN_UPDOWN, "700", true, "700"},
      {IDC_TOP_MARGIN, IDC_TOP_MARGIN_UPDOWN, "-100", false, "-100"},
      {IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_UPDOWN, "0", false, "0"},
      {IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_UPDOWN, "300", true, "300"},
      {IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_UPDOWN, "5", false, "4"},
  };
  for (const Arrow& a : arrows) {
    person.type(a.field, a.start);
    person.press_arrow(a.updown, a.up);
    EXPECT_EQ(person.text(a.field), a.after) << a.start << (a.up ? " up" : " down");
  }
}

TEST_F(RespacingDialog, TheClockFollowsTheHostsView) {
  sim::Person person = open();
  EXPECT_EQ(without_marker(person.text(IDC_CURRENT_PAGE)), "Current Page (3)");
  person.click(IDC_SELECTED_PAGES);
  person.type(IDC_FROM_PAGE, "0");
  person.type(IDC_TO_PAGE, "99");
  struct Step {
    const char* name;
    bool page_view;
    int16_t page;
    const char* label;
    const char* from;  // the page fields after the tick: clamped into 1..pages while a page is current
    const char* to;
  };
  const Step steps[] = {
      {"scroll view", false, 3, "Current Page", "0", "99"},
      {"page view on page 7", true, 7, "Current Page (7)", "1", "10"},
      {"page 8 in the same view", true, 8, "Current Page (8)", "1", "10"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    host.set_page_view(s.page_view);
    host.set_current_page(s.page);
    person.wait(500);
    EXPECT_EQ(without_marker(person.text(IDC_CURRENT_PAGE)), s.label);
    EXPECT_EQ(person.enabled(IDC_APPLY), s.page_view);
    for (int id : {IDC_CURRENT_PAGE, IDC_ALL_PAGES, IDC_SINGLE_PAGE, IDC_SELECTED_PAGES})
      EXPECT_EQ(person.enabled(id), s.page_view) << id;
    EXPECT_TRUE(person.checked(IDC_SELECTED_PAGES)) << "a disabled choice keeps its mark";
    EXPECT_EQ(person.text(IDC_FROM_PAGE), s.from);
    EXPECT_EQ(person.text(IDC_TO_PAGE), s.to);
  }
}

TEST_F(RespacingDialog, ClosingWithoutACurrentPageBeepsAndKeepsTheSettings) {
  sim::Person person = open();
  host.set_page_view(false);
  person.wait(500);
  person.type(IDC_TOP_MARGIN, "55");
  structUserPrefs before = UserPrefs;
  const size_t beeps = standin::beeps().size();
  person.press_close_box();
  EXPECT_FALSE(person.dialog_open());
  EXPECT_EQ(standin::beeps().size(), beeps + 1);
  before.dialogLeft = UserPrefs.dialogLeft;
  before.dialogTop = UserPrefs.dialogTop;
  EXPECT_EQ(std::memcmp(&before, &UserPrefs, sizeof before), 0);
  EXPECT_NE(UserPrefs.dialogLeft, -32768) << "the position is kept";
}

TEST_F(RespacingDialog, ASecondMenuPickRestoresAndActivatesTheOpenDialogAsItWas) {
  sim::Person person = open();
  person.type(IDC_TOP_MARGIN, "42");
  for (bool minimised : {true, false}) {  // else shown behind the host's window
    SetActiveWindow(host.main_window());
    if (minimised) ShowWindow(person.dialog(), SW_MINIMIZE);
    session_->invoke();
    EXPECT_EQ(session_->dialog(), person.dialog());
    EXPECT_TRUE(person.dialog_visible());
    EXPECT_EQ(GetActiveWindow(), person.dialog()) << "minimised " << minimised;
    EXPECT_EQ(person.text(IDC_TOP_MARGIN), "42") << "not initialised again";
  }
}

TEST_F(RespacingDialog, AnUnknownSingleSystemChoiceShowsNoneAndStoresBottom) {
  const int16_t stored[11] = {3, 1, 1, 0, 0, 0, 0, 7, -32768, -32768, 0};
  standin::registry_write("Software\\KVPlugins\\KVDunvaro104", "UserDialog", REG_BINARY, stored,
                          sizeof stored);
  sim::Person person = open();
  EXPECT_EQ(UserPrefs.singleSystems, 7);
  for (int id : {IDC_LEAVE_ALONE, IDC_PLACE_TOP, IDC_PLACE_CENTER, IDC_PLACE_BOTTOM})
    EXPECT_FALSE(person.checked(id)) << id;
  person.click(IDC_CLOSE);
  EXPECT_EQ(UserPrefs.singleSystems, 3);
}

TEST_F(RespacingDialog, TheCancelCommandOnlyRefreshes) {
  sim::Person person = open();
  host.set_page_view(false);
  SendMessageA(person.dialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Escape
  EXPECT_TRUE(person.dialog_open());
  EXPECT_FALSE(person.enabled(IDC_APPLY)) << "the refresh ran";
}

TEST_F(RespacingDialog, CtrlApplyRunsAndCloses) {
  sim::Person person = open();
  person.click(IDC_ALL_PAGES);
  person.hold_ctrl(true);
  person.click(IDC_APPLY);
  person.hold_ctrl(false);
  EXPECT_FALSE(person.dialog_open());
  EXPECT_EQ(host.layout_updates().size(), 1u);
  EXPECT_EQ(UserPrefs.processRange, 0);
}

TEST_F(RespacingDialog, TheHostsNotificationsReachTheDialog) {
  sim::Person person = open();
  EXPECT_EQ(person.text(IDC_APPLY), "Apply");
  standin::set_ui_language(0x041D);  // Swedish
  host.raise_language_changed();
  EXPECT_EQ(person.text(IDC_APPLY), "Verkst\xE4ll");
  EXPECT_EQ(without_marker(person.text(IDC_CURRENT_PAGE)), "Nuvarande sida (3)");
  host.raise_activation(false);  // another program comes to the front
  host.raise_activation(true);
  FTX_RaiseNotification(99, 0, nullptr);  // an event the dialog does not know
  EXPECT_TRUE(person.dialog_visible());
  host.raise_closing();
  EXPECT_FALSE(person.dialog_open());
  EXPECT_EQ(hwndModelessWindow, nullptr);
}

TEST_F(RespacingDialog, TerminateClosesTheDialogAndGivesTheHostWindowBack) {
  const LONG_PTR host_procedure = GetWindowLongPtrA(host.main_window(), GWLP_WNDPROC);
  sim::Person person = open();
  person.type(IDC_BOTTOM_MARGIN, "30");
  EXPECT_EQ(session_->terminate(), 0);
  EXPECT_FALSE(person.dialog_open());
  EXPECT_EQ(GetWindowLongPtrA(host.main_window(), GWLP_WNDPROC), host_procedure);
  std::vector<BYTE> stored;
  ASSERT_TRUE(standin::registry_read("Software\\KVPlugins\\KVDunvaro104", "UserDialog", &stored));
  EXPECT_EQ(stored[12] | stored[13] << 8, 30) << "the entries made before closing are saved";
  session_.reset();
}

// The dialog counts the pages once, when it opens, and keeps the count: a
// later use (a tick that finds the current page changed, Apply's check of the
// range) confirms it with two probes; a score that gained or lost pages is
// counted afresh at that use, and the page fields follow it.
TEST_F(RespacingDialog, PagesAreCountedOnceAndTheCountKeptFollowsTheScore) {
  for (int i = kPages; i < 40; ++i) host.add_page();
  host.log().set_tracing(true);
  const auto page_probes = [&] {
    int probes = 0;
    for (const sim::CallRecord& call : host.log().trace()) probes += call.tag == kTagPageSpec && !call.buffer;
    host.log().clear();
    return probes;
  };
  sim::Person person = open();
  EXPECT_LE(page_probes(), 41 + 4) << "opening walks over the pages once, then confirms";
  person.click(IDC_SELECTED_PAGES);
  page_probes();
  struct Step {
    const char* name;
    size_t pages;
    int16_t current;
    int most_probes;  // a count afresh walks over the pages: one probe a page and one beyond
    const char* to;   // the "to" field, 99 typed before the step, as the tick clamps it
  };
  const Step steps[] = {
      {"the current page changes", 40, 5, 2, "40"},
      {"pages removed", 20, 6, 2 + 21, "20"},
      {"nothing changed but the page", 20, 7, 2, "20"},
      {"pages added", 30, 8, 2 + 31, "30"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    host.score().pages.resize(s.pages);
    person.type(IDC_TO_PAGE, "99");
    page_probes();
    host.set_current_page(s.current);
    person.wait(500);
    EXPECT_LE(page_probes(), s.most_probes);
    EXPECT_EQ(person.text(IDC_TO_PAGE), s.to);
  }
  person.type(IDC_FROM_PAGE, "25");
  person.type(IDC_TO_PAGE, "30");
  page_probes();
  const size_t beeps = standin::beeps().size();
  person.click(IDC_APPLY);
  EXPECT_EQ(standin::beeps().size(), beeps) << "page 30 of 30 is accepted";
  EXPECT_EQ(UserPrefs.lastPage, 30);
  EXPECT_LE(page_probes(), 2 + 2) << "the press confirms the count kept, before and after its layout update";
}

// One page in the middle of a long score, respaced from the dialog: the press
// (the dialog's reads and checks, the page driver, the redraw) costs the same
// host calls whatever the score's length, and the figure of docs/performance.md.
TEST_F(RespacingDialog, ApplyOnOnePageCostsTheSameHostCallsAtAnyScoreLength) {
  std::vector<long> press;
  for (int pages : {10, 1000}) {
    SCOPED_TRACE(pages);
    host.score() = sim::Score{};
    sim::add_generated_score(host, pages, 6, 8);
    host.set_current_page(1);
    sim::Person person = open();
    person.click(IDC_SINGLE_PAGE);
    person.type(IDC_FROM_PAGE, std::to_string(pages / 2));
    host.log().clear();
    person.click(IDC_APPLY);
    press.push_back(host.log().total());
    EXPECT_EQ(UserPrefs.firstPage, pages / 2);
    session_->terminate();
    session_.reset();
  }
  EXPECT_EQ(press[0], press[1]);
  EXPECT_LE(press[1], 81);
}

}  // namespace
