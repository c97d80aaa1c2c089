#include "sim/cli/session_steps.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <sstream>

#include "platform/posix/testing.h"
#include "sim/cli/dialog_view.h"
#include "sim/cli/run_report.h"
#include "sim/cli/session_report.h"
#include "sim/cli/session_words.h"
#include "sim/render/page_geometry.h"
#include "sim/render/windows_1252.h"
#include "sim/score/score_file.h"

namespace cli {
namespace {

// --- The steps -------------------------------------------------------------------

HWND open_dialog(StepContext& c) {
  const HWND dialog = c.run.dialog();
  if (dialog == nullptr) throw std::invalid_argument("the dialog is not open");
  return dialog;
}

int control_in(StepContext& c, const Words& words) { return control_named(open_dialog(c), words); }

int16_t page_in_score(StepContext& c, const std::string& word) {
  const int page = number(word, "the page");
  const int count = int(c.run.host().score().pages.size());
  if (page < 1 || page > count)
    throw std::invalid_argument("page " + word + " is outside the score (pages 1.." + std::to_string(count) + ")");
  return int16_t(page);
}

void go_to_page(StepContext& c, const Words& w) { c.run.host().set_current_page(page_in_score(c, w[0])); }
void view(StepContext& c, const Words& w) { c.run.host().set_page_view(lower(w[0]) == "page"); }
void document(StepContext& c, const Words& w) { c.run.host().set_document_open(lower(w[0]) == "open"); }

void another_score(StepContext& c, const Words& w) {
  std::filesystem::path path(w[0]);
  if (path.is_relative() && !c.folder.empty()) path = std::filesystem::path(c.folder) / path;
  c.run.hold(sim::load_score_file(path.string()));
}

void wait(StepContext& c, int ms) { sim::Person(c.run.dialog()).wait(ms); }
void tick(StepContext& c, const Words&) {
  const UINT period = c.run.dialog() != nullptr ? standin::timer_period(c.run.dialog(), 1) : 0;
  wait(c, period != 0 ? int(period) : 500);
}
void wait_for(StepContext& c, const Words& w) { wait(c, milliseconds(w[0])); }

void click(StepContext& c, const Words& w) { c.run.person().click(control_in(c, w)); }
void ctrl_click(StepContext& c, const Words& w) {
  const int id = control_in(c, w);
  sim::Person person = c.run.person();
  person.hold_ctrl(true);
  person.click(id);
  person.hold_ctrl(false);
}
void type(StepContext& c, const Words& w) {
  c.run.person().type(control_in(c, Words(w.begin(), w.end() - 1)), w.back());
}
void press_key(StepContext& c, const Words& w) {
  const KeyPress press = key_press(w[0]);
  c.run.person().press_key(press.key, press.modifiers);
}
void arrow(StepContext& c, const Words& w) {
  const int id = control_in(c, Words(w.begin(), w.end() - 1));
  const int updown = is_class(GetDlgItem(open_dialog(c), id), "msctls_updown32") ? id : updown_of(open_dialog(c), id);
  c.run.person().press_arrow(updown, lower(w.back()) == "up");
}
void menu(StepContext& c, const Words&) { c.run.pick_menu(); }
void minimise(StepContext& c, const Words&) { c.run.person().minimise(); }
void restore(StepContext& c, const Words&) { c.run.person().restore(); }
void close_box(StepContext& c, const Words&) { c.run.person().press_close_box(); }
void language(StepContext& c, const Words& w) {
  standin::set_ui_language(language_id(language_number(w[0])));
  c.run.host().raise_language_changed();
}
void show(StepContext& c, const Words&) {
  const HWND dialog = c.run.dialog();
  if (dialog == nullptr) c.out << "  (the dialog is not open)\n";
  else {
    const std::string text = dialog_text(dialog);
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
      end = text.find('\n', at);
      c.out << "  | " << text.substr(at, end - at) << "\n";
    }
  }
}

// --- expect ----------------------------------------------------------------------

void expect_dialog(StepContext& c, const std::string& shown) {
  static const char* const kWords[] = {"closed", "open", "minimised"};
  const DialogState state = dialog_state(c.run.dialog());
  if (lower(shown) != kWords[state.shown])
    throw ExpectationFailed("the dialog is " + std::string(kWords[state.shown]) + ", not " + shown);
}

void expect_gaps(StepContext& c, const Words& w) {
  const int16_t page = page_in_score(c, w[1]);
  const sim::PageGeometry geometry = sim::page_geometry(c.run.host().score(), c.run.file().host_version, page);
  const std::string found = gap_list(geometry);
  const std::string wanted = joined(w, 3);
  if (found != wanted)
    throw ExpectationFailed("page " + w[1] + " has the gaps " + (found.empty() ? "(none)" : found) + ", not " + wanted);
}

void expect_control(StepContext& c, const Words& w) {
  const bool with_text = w.size() >= 3 && lower(w[w.size() - 2]) == "text";
  const Words name(w.begin(), w.end() - (with_text ? 2 : 1));
  const int id = control_in(c, name);
  const sim::Person person = c.run.person();
  const std::string what = control_name(ControlState{id, person.text(id), false, false});
  if (with_text) {
    // The accelerator marker counts only when the expected text has one.
    std::string shown = sim::utf8_from_windows_1252(person.text(id));
    if (w.back().find('&') == std::string::npos) shown.erase(std::remove(shown.begin(), shown.end(), '&'), shown.end());
    if (shown != w.back()) throw ExpectationFailed(what + " shows \"" + shown + "\", not \"" + w.back() + "\"");
    return;
  }
  const std::string state = lower(w.back());
  const bool holds = state == "enabled"    ? person.enabled(id)
                     : state == "disabled" ? !person.enabled(id)
                     : state == "checked"  ? person.checked(id)
                     : state == "unchecked" ? !person.checked(id)
                                            : person.has_focus(id);
  if (!holds) throw ExpectationFailed(what + " is not " + state);
}

void expect(StepContext& c, const Words& w) {
  if (lower(w[0]) == "dialog" && w.size() == 2) return expect_dialog(c, w[1]);
  if (lower(w[0]) == "page" && w.size() >= 3 && lower(w[2]) == "gaps") return expect_gaps(c, w);
  expect_control(c, w);
}

void check_expect(const Words& w) {
  if (lower(w[0]) == "dialog" && w.size() == 2)
    return one_of(w[1], {"open", "closed", "minimised"}, "the dialog state");
  if (lower(w[0]) == "page" && w.size() >= 3 && lower(w[2]) == "gaps") {
    for (size_t i = 3; i < w.size(); ++i) number(w[i], "the gap");
    return (void)number(w[1], "the page");
  }
  if (w.size() >= 3 && lower(w[w.size() - 2]) == "text") return;
  one_of(w.back(), {"enabled", "disabled", "checked", "unchecked", "focused"}, "the state");
}

// --- The table -----------------------------------------------------------------------

void no_check(const Words&) {}

struct StepKind {
  const char* name;
  const char* syntax;
  size_t least;  // words after the name
  size_t most;
  std::function<void(const Words&)> check;  // the words' form, before anything runs
  std::function<void(StepContext&, const Words&)> act;
};

constexpr size_t kAny = 99;

const std::vector<StepKind>& step_kinds() {
  static const std::vector<StepKind> kSteps = {
      {"page", "page N                      the host shows page N", 1, 1,
       [](const Words& w) { number(w[0], "the page"); }, go_to_page},
      {"view", "view page|scroll            page view or scroll view", 1, 1,
       [](const Words& w) { one_of(w[0], {"page", "scroll"}, "the view"); }, view},
      {"document", "document close|open         close the score's document, open it again", 1, 1,
       [](const Words& w) { one_of(w[0], {"close", "open"}, "the document action"); }, document},
      {"score", "score FILE                  another score becomes the host's document", 1, 1, no_check, another_score},
      {"tick", "tick                        one tick of the dialog's timer (its period passes)", 0, 0, no_check, tick},
      {"wait", "wait N[ms]                  N milliseconds pass; the timer ticks that fall in them come", 1, 1,
       [](const Words& w) { milliseconds(w[0]); }, wait_for},
      {"click", "click CONTROL               click a button, check box or radio button", 1, kAny, no_check, click},
      {"ctrl-click", "ctrl-click CONTROL          click with Ctrl held", 1, kAny, no_check, ctrl_click},
      {"type", "type FIELD TEXT             select all of an edit and type TEXT", 2, kAny, no_check, type},
      {"key", "key [Ctrl+][Shift+][Alt+]KEY  press a key: Enter, Esc, Tab, Space, Up, Down, Left, Right, a letter",
       1, 1, [](const Words& w) { key_press(w[0]); }, press_key},
      {"arrow", "arrow FIELD up|down         click an up-down arrow beside an edit", 2, kAny,
       [](const Words& w) { one_of(w.back(), {"up", "down"}, "the arrow"); }, arrow},
      {"menu", "menu                        pick the plug-in's menu item again", 0, 0, no_check, menu},
      {"minimise", "minimise                    click the dialog's minimise box", 0, 0, no_check, minimise},
      {"restore", "restore                     restore the dialog from the task bar", 0, 0, no_check, restore},
      {"close-box", "close-box                   click the dialog's close box", 0, 0, no_check, close_box},
      {"language", "language N|NAME             Windows' language changes (0..12, english, german, swedish, ...)",
       1, 1, [](const Words& w) { language_number(w[0]); }, language},
      {"show", "show                        print the whole dialog", 0, 0, no_check, show},
      {"expect", "expect CONTROL enabled|disabled|checked|unchecked|focused\n"
                 "expect CONTROL text TEXT\n"
                 "expect page N gaps G1 G2 ...\n"
                 "expect dialog open|closed|minimised",
       2, kAny, check_expect, expect},
  };
  return kSteps;
}

// The step's forms without their descriptions: "tick", or "expect ..." or "expect ...".
std::string forms_of(const StepKind& kind) {
  std::string forms;
  std::istringstream lines(kind.syntax);
  for (std::string line; std::getline(lines, line);) {
    line = line.substr(0, line.find("  "));
    forms += (forms.empty() ? "\"" : " or \"") + line + "\"";
  }
  return forms;
}

const StepKind& kind_of(const ScriptLine& line) {
  for (const StepKind& kind : step_kinds())
    if (lower(line.words[0]) == kind.name) return kind;
  throw ScriptError(line.number, "unknown step \"" + line.words[0] + "\"");
}

}  // namespace

std::string step_syntax() {
  std::string text;
  for (const StepKind& kind : step_kinds()) text += std::string(kind.syntax) + "\n";
  return text;
}

void check_script(const std::vector<ScriptLine>& lines) {
  for (const ScriptLine& line : lines) {
    const StepKind& kind = kind_of(line);
    const Words words(line.words.begin() + 1, line.words.end());
    const bool fits = words.size() >= kind.least && words.size() <= kind.most;
    try {
      if (!fits) throw std::invalid_argument("");
      kind.check(words);
    } catch (const std::invalid_argument& e) {
      throw ScriptError(line.number, (*e.what() != '\0' ? std::string(e.what()) + "; " : "") + "the step is " +
                                         forms_of(kind));
    }
  }
}

void run_step(StepContext& context, const ScriptLine& line) {
  const Words words(line.words.begin() + 1, line.words.end());
  try {
    kind_of(line).act(context, words);
  } catch (const std::invalid_argument& e) {
    throw ScriptError(line.number, e.what());
  } catch (const sim::ScoreFileError& e) {
    throw ScriptError(line.number, e.what());
  }
}

void act(SessionRun& run, const Words& words) {
  std::ostringstream ignored;
  StepContext context{run, ignored, ""};
  const ScriptLine line{0, joined(words), words};
  check_script({line});
  kind_of(line).act(context, Words(words.begin() + 1, words.end()));
}

}  // namespace cli
