// Fuzz target for the settings value the plug-in reads at initialisation: any
// bytes, of any length, as the REG_BINARY value "UserDialog". Then the session
// as the host and a person run it: init, the menu pick opens the dialog, Apply,
// the close box, terminate. The dialog must show page numbers within the
// score, margins as 16-bit whole numbers, check boxes checked or not and at
// most one choice of each group; terminate must store 22 bytes of REG_BINARY
// that load back to the same settings. A broken rule aborts with the reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_require.h"
#include "platform/posix/testing.h"
#include "settings/registry_settings.h"
#include "globals/user_prefs.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/ui/person.h"
#include "sim/ui/units.h"
#include "ui/respacing_dialog_ids.h"

namespace {

constexpr int kPages = 5;

void require(bool condition, const char* reason) { fuzz_require("registry_settings", condition, reason); }

sim::PluginSession& session_once() {
  static sim::PluginSession* session = [] {
    standin::reset();
    auto* host = new sim::Host;
    for (int i = 0; i < kPages; ++i) host->add_page();
    host->set_unit(sim::kUnitEvpu);
    host->set_page_view(true);
    host->set_current_page(2);
    sim::install(*host);
    auto* s = new sim::PluginSession(*host);
    s->version();
    s->enumerate();
    return s;
  }();
  return *session;
}

// The field's text as a whole number; false when it is none or leaves 16 bits.
bool whole_number(const std::string& text, long lowest, long highest) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0' && value >= lowest && value <= highest;
}

long number_in(const sim::Person& person, int id) { return std::strtol(person.text(id).c_str(), nullptr, 10); }

int checked_of(const sim::Person& person, std::initializer_list<int> ids) {
  int checked = 0;
  for (int id : ids) checked += person.checked(id);
  return checked;
}

void check_dialog(const sim::Person& person) {
  require(whole_number(person.text(IDC_FROM_PAGE), 1, kPages), "the from page is not a page of the score");
  require(whole_number(person.text(IDC_TO_PAGE), 1, kPages), "the to page is not a page of the score");
  require(number_in(person, IDC_FROM_PAGE) <= number_in(person, IDC_TO_PAGE), "the from page is above the to page");
  require(whole_number(person.text(IDC_TOP_MARGIN), -32768, 32767), "the top margin is no 16-bit number");
  require(whole_number(person.text(IDC_BOTTOM_MARGIN), -32768, 32767), "the bottom margin is no 16-bit number");
  for (int id : {IDC_KEEP_TOPMOST, IDC_INCLUDE_GAPS, IDC_COMPACT}) {
    const LRESULT state = SendMessageA(GetDlgItem(person.dialog(), id), BM_GETCHECK, 0, 0);
    require(state == BST_CHECKED || state == BST_UNCHECKED, "a check box is neither checked nor clear");
  }
  require(checked_of(person, {IDC_CURRENT_PAGE, IDC_ALL_PAGES, IDC_SINGLE_PAGE, IDC_SELECTED_PAGES}) <= 1,
          "two page-range choices are checked");
  require(checked_of(person, {IDC_LEAVE_ALONE, IDC_PLACE_TOP, IDC_PLACE_CENTER, IDC_PLACE_BOTTOM}) <= 1,
          "two single-system choices are checked");
}

void check_stored() {
  std::vector<BYTE> stored;
  DWORD type = REG_NONE;
  require(standin::registry_read(szRegistryKey, szUserDialogReg, &stored, &type), "terminate stored no settings");
  require(type == REG_BINARY && stored.size() == sizeof(structUserPrefs), "the stored value is not 22 binary bytes");
  require(std::memcmp(stored.data(), &UserPrefs, sizeof UserPrefs) == 0, "the stored value is not the settings");
  structUserPrefs loaded = {};
  require(KVTR_REG_LoadSettings(&loaded) == ERROR_SUCCESS, "the stored value does not load");
  require(std::memcmp(&loaded, &UserPrefs, sizeof loaded) == 0, "the stored value loads to other settings");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sim::PluginSession& session = session_once();
  standin::registry_write(szRegistryKey, szUserDialogReg, REG_BINARY, data, size);
  session.init();
  session.invoke();
  require(session.dialog() != nullptr, "the dialog did not open");
  sim::Person person(session.dialog());
  check_dialog(person);
  person.click(IDC_APPLY);
  person.press_close_box();
  require(!person.dialog_open(), "the close box left the dialog open");
  require(session.terminate() == ERROR_SUCCESS, "terminate did not store the settings");
  check_stored();
  // What the input left is freed before it ends, so that libFuzzer's leak check
  // (run on inputs that allocate more than they free) stays quiet.
  RegDeleteKeyA(HKEY_CURRENT_USER, szRegistryKey);
  standin::clear_message_boxes();
  standin::clear_beeps();
  return 0;
}
