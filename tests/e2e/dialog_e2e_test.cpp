// The x86_64 plug-in DLL in the simulated host built as FINALE.EXE, under
// Wine: the real loader, the real dialog made from the DLL's resource, real
// input messages, real timers and the real registry. On a failure the test
// prints what the host saw: the calls it answered, the message boxes, the
// dialog's controls.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "sim/finale/message_box_catcher.h"
#include "sim/host/exports.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"
#include "sim/ui/person.h"
#include "ui/respacing_dialog_ids.h"

namespace {

const char kSettingsKey[] = "Software\\KVPlugins\\KVDunvaro104";

class FinaleE2E : public testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    const sim::ScoreFile file = sim::demo_score();
    host_.score() = file.score;
    host_.set_version_word(file.host_version);
    host_.set_page_view(true);
    host_.set_current_page(1);
    sim::install(host_);
    before_ = host_.score();
  }
  void TearDown() override {
    if (HasFailure()) print_what_the_host_saw();
  }

  // Loads the plug-in as the host does at start-up and picks its menu item.
  HWND open_dialog() {
    session_ = std::make_unique<sim::PluginSession>(host_);
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

  sim::Host host_;
  sim::Score before_;
  finale::MessageBoxCatcher boxes_;
  std::unique_ptr<sim::PluginSession> session_;
};

TEST_F(FinaleE2E, ApplyRespacesThenAMenuPickRestoresTheDialogAndCtrlApplyClosesIt) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr) << "FX_Dialog made no dialog from resource 20128";
  sim::Person person(dialog);
  EXPECT_TRUE(person.enabled(IDC_APPLY));
  person.click(IDC_ALL_PAGES);
  person.click(IDC_APPLY);
  EXPECT_GT(changed_gaps(), 0) << "Apply on all pages of the demo score changed no gap";
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

TEST_F(FinaleE2E, ARejectedPageRangeKeepsTheScoreAndFocusesTheField) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  person.click(IDC_SELECTED_PAGES);
  person.type(IDC_FROM_PAGE, "2");
  person.type(IDC_TO_PAGE, "1");
  person.click(IDC_APPLY);
  EXPECT_EQ(changed_gaps(), 0);
  EXPECT_TRUE(person.dialog_open());
  EXPECT_TRUE(person.has_focus(IDC_FROM_PAGE)) << "the focus goes to the rejected field";
  EXPECT_TRUE(boxes_.boxes().empty()) << "a rejected entry beeps, it shows no box";
}

TEST_F(FinaleE2E, TerminateStoresTheSettingsInTheRegistryAndTheNextInitReadsThem) {
  HWND dialog = open_dialog();
  ASSERT_NE(dialog, nullptr);
  sim::Person person(dialog);
  person.click(IDC_SINGLE_PAGE);
  person.click(IDC_CLOSE);
  EXPECT_FALSE(person.dialog_open());
  session_->terminate();
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

}  // namespace
