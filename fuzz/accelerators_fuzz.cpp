// Fuzz target for accelerator resolution (FTXW_ResolveShortcuts) on the real
// respacing dialog, made once from its template by the simulated host: any
// texts (any bytes but NUL, up to 120 characters, past the 99 the resolver
// reads) on the dialog's buttons and labels, any list of controls (ids of the
// dialog, repeated, or missing), strip and prefer-capitals flags. Afterwards
// the texts must be what the resolver may make of them, and the letters it
// gave must be free and distinct. A broken rule aborts with the reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_require.h"
#include "platform/posix/testing.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "ui/character_case.h"
#include "ui/shortcuts.h"

namespace {

constexpr size_t kLongestText = 120;
constexpr size_t kReadLength = 99;  // characters the resolver reads of a text

// The dialog's buttons and labels, then an id the dialog lacks.
const int32_t kIds[] = {1, 8, 101, 102, 103, 104, 105, 108, 111, 112, 115, 118, 119, 120, 121, 122, 123, 124, 125, 126, 999};
constexpr size_t kTextControls = sizeof kIds / sizeof kIds[0] - 1;

void require(bool condition, const char* reason) { fuzz_require("accelerators", condition, reason); }

HWND dialog_once() {
  static sim::Host* host = nullptr;
  static sim::PluginSession* session = nullptr;
  if (session == nullptr) {
    standin::reset();
    host = new sim::Host;
    host->add_page();
    host->set_page_view(true);
    host->set_current_page(1);
    sim::install(*host);
    session = new sim::PluginSession(*host);
    session->version();
    session->init();
    session->invoke();
  }
  return session->dialog();
}

std::string text_of(HWND control) {
  std::string text(size_t(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(control, &text[0], int(text.size()))));
  return text;
}

unsigned char upper(char c) { return static_cast<unsigned char>(Win32_toupper(c)); }

// The character after the first "&" among the characters the resolver reads;
// -1 without one (NUL when the "&" ends what is read).
int accelerator_of(const std::string& text) {
  const std::string read = text.substr(0, kReadLength);
  const size_t at = read.find('&');
  if (at == std::string::npos) return -1;
  return at + 1 < read.size() ? upper(read[at + 1]) : 0;
}

struct Expected {
  std::string before;   // the text as the resolver may leave it (stripped of its "&")
  bool may_gain = false;  // a listed control of a whole text without "&": may get one
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HWND dialog = dialog_once();
  require(dialog != nullptr, "the dialog did not open");
  FuzzInput in(data, size);
  const uint8_t flags = in.value<uint8_t>();
  const int16_t count = int16_t(1 + in.value<uint8_t>() % 12);
  std::vector<int32_t> ids(size_t(count), 0);
  for (int32_t& id : ids) id = kIds[in.below(sizeof kIds / sizeof kIds[0])];
  for (size_t i = 0; i < kTextControls; ++i) SetWindowTextA(GetDlgItem(dialog, kIds[i]), in.text(kLongestText).c_str());

  // Every child, as the resolver may leave it, and the letters that count as used.
  const bool strip = (flags & 1) != 0;
  std::map<HWND, Expected> expected;
  bool used[256] = {};
  for (HWND child = GetTopWindow(dialog); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    Expected& e = expected[child];
    e.before = text_of(child);
    bool listed = false;
    for (int32_t id : ids) listed |= GetDlgItem(dialog, id) == child;
    const bool whole = e.before.size() <= kReadLength;
    const int letter = accelerator_of(e.before);
    if (listed && whole && strip && letter >= 0) {
      e.before.erase(e.before.find('&'), 1);
    } else if (letter >= 0) {
      used[letter] = true;
    }
    e.may_gain = listed && whole && e.before.find('&') == std::string::npos;
  }

  require(FTXW_ResolveShortcuts(dialog, ids.data(), count, int16_t(strip), int16_t((flags >> 1) & 1)) == 0,
          "the resolver refused a valid list");

  std::vector<HWND> without_letter;
  for (const auto& [child, e] : expected) {
    const std::string after = text_of(child);
    if (after == e.before) {
      if (e.may_gain) without_letter.push_back(child);
      continue;
    }
    require(e.may_gain, "a control that keeps its text changed");
    const size_t at = after.find('&');
    require(at != std::string::npos && at + 1 < after.size() && after.size() == e.before.size() + 1 &&
                after.substr(0, at) + after.substr(at + 1) == e.before,
            "a text changed by more than one inserted \"&\"");
    const char letter = after[at + 1];
    require(IsCharAlphaNumericA(letter) != FALSE, "the accelerator is no letter or digit");
    require(!used[upper(letter)], "an accelerator letter was given twice");
    used[upper(letter)] = true;
  }
  // A listed control left without a letter has none free.
  for (HWND child : without_letter)
    for (char c : expected[child].before)
      require(!IsCharAlphaNumericA(c) || used[upper(c)], "a control was left without a letter it could have had");
  return 0;
}
