#include "sim/cli/session_play.h"

#include <functional>
#include <sstream>

#include "platform/posix/testing.h"
#include "sim/cli/dialog_svg.h"
#include "sim/cli/run_report.h"
#include "sim/cli/session_steps.h"
#include "sim/render/page_geometry.h"

namespace cli {
namespace {

std::string view_text(const sim::Host& host) {
  const sim::DocumentView& view = host.view();
  if (!view.document_open) return "no document open";
  if (!view.page_view) return "scroll view";
  return "page view, page " + std::to_string(view.current_page);
}

std::string plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Plays the steps one by one, printing after each what it changed.
class Player {
 public:
  Player(const sim::ScoreFile& file, const SessionOptions& options)
      : options_(options), run_(file, watcher(), true), context_{run_, out_, options.folder} {}

  // One step: `action` runs as one entry of the call listing titled `title`.
  void step(const std::string& title, const std::function<void()>& action) {
    out_ << title << "\n";
    const size_t steps = run_.plugin().steps().size();
    const size_t boxes = run_.boxes().size();
    const size_t beeps = standin::beeps().size();
    const std::vector<std::string> gaps = gaps_of_pages();
    run_.plugin().step(title, false, action);
    report(steps, boxes, beeps, gaps, title, title.find(": expect ") == std::string::npos);
  }

  void play(const std::vector<ScriptLine>& lines, SessionOutcome* outcome) {
    out_ << "Session over " << options_.score_name << " (" << plural(run_.host().score().pages.size(), "page", "pages")
         << "); the host shows " << view_text(run_.host()) << "\n";
    step("The menu item is picked", [this] { run_.pick_menu(); });
    run_.plugin().arm_call_faults();
    for (const ScriptLine& line : lines) {
      try {
        step("line " + std::to_string(line.number) + ": " + line.text, [&] { run_step(context_, line); });
      } catch (const ExpectationFailed& e) {
        outcome->failure = "line " + std::to_string(line.number) + ": " + line.text + ": " + e.what();
        out_ << "  EXPECTATION FAILED: " << e.what() << "\n";
        break;
      }
    }
    step("The session ends (Close when the dialog is open, then Terminate)", [this] { run_.finish(); });
    out_ << page_report(outcome_of_run());
    outcome->transcript = out_.str();
    outcome->after = run_.file();
    outcome->after.score = run_.host().score();
    outcome->after.view = run_.host().view();
    outcome->frames = frames_;
  }

 private:
  const RunWatcher& watcher() {
    watcher_.on_alert = [this](const std::string& alert) { out_ << "  host alert: " << alert << "\n"; };
    watcher_.on_note = [this](const std::string& note) { out_ << "  " << note << "\n"; };
    return watcher_;
  }

  // An expect line that holds changes nothing and makes no call: only its line shows.
  void report(size_t steps, size_t boxes, size_t beeps, const std::vector<std::string>& gaps, const std::string& title,
              bool count_calls) {
    const DialogState now = dialog_state(run_.dialog());
    const bool opened = shown_.shown == DialogState::CLOSED && now.shown == DialogState::OPEN;
    const std::vector<std::string> changes = state_changes(shown_, now);
    for (const std::string& line : changes) out_ << line << "\n";
    if (opened) run_step(context_, ScriptLine{0, "show", {"show"}});
    for (size_t i = boxes; i < run_.boxes().size(); ++i)
      out_ << "  message box " << box_quote(run_.boxes()[i].box) << " (page " << run_.boxes()[i].page << ")\n";
    const size_t new_beeps = standin::beeps().size() - beeps;
    if (new_beeps > 0)
      out_ << "  " << plural(new_beeps, "beep", "beeps") << " (the host shows " << view_text(run_.host()) << ")\n";
    report_gaps(gaps);
    if (count_calls) report_calls(steps);
    if (options_.draw && !changes.empty() && now.shown == DialogState::OPEN)
      frames_.push_back(DialogFrame{title, dialog_svg(run_.dialog())});
    shown_ = now;
  }

  // Each page's gaps, as one text per page.
  std::vector<std::string> gaps_of_pages() {
    std::vector<std::string> pages;
    const sim::Score& score = run_.host().score();
    for (size_t page = 1; page <= score.pages.size(); ++page)
      pages.push_back(gap_list(sim::page_geometry(score, run_.file().host_version, int16_t(page))));
    return pages;
  }

  // The pages whose gaps the step changed (a step that brings another score changes none).
  void report_gaps(const std::vector<std::string>& before) {
    const std::vector<std::string> after = gaps_of_pages();
    if (after.size() != before.size()) return;
    std::string pages;
    size_t count = 0;
    for (size_t i = 0; i < after.size(); ++i)
      if (after[i] != before[i]) pages += (count++ == 0 ? "" : ", ") + std::to_string(i + 1);
    if (count > 0) out_ << "  gaps changed on " << (count == 1 ? "page " : "pages ") << pages << "\n";
  }

  void report_calls(size_t from) {
    const std::vector<CallStep>& steps = run_.plugin().steps();
    int total = 0;
    std::string listing;
    for (size_t i = from; i < steps.size(); ++i) {
      for (const auto& call : steps[i].calls) total += call.second;
      if (steps[i].calls.empty() || !options_.show_calls) continue;
      // The line's own entry needs no title again; those of the entry points it called do.
      const std::string lines = call_step_lines(steps[i]);
      listing += i == from ? lines.substr(lines.find('\n') + 1) : lines;
    }
    out_ << "  host calls: " << total << "\n";
    for (size_t at = 0, end; at < listing.size(); at = end + 1) {
      end = listing.find('\n', at);
      out_ << "  " << listing.substr(at, end - at) << "\n";
    }
  }

  // The score's pages, each with the first box credited to it, for page_report.
  RunOutcome outcome_of_run() {
    RunOutcome outcome;
    outcome.before = run_.before();
    outcome.after = run_.file();
    outcome.after.score = run_.host().score();
    for (const SessionRun::SeenBox& seen : run_.boxes()) outcome.boxes.push_back(seen.box);
    for (size_t page = 1; page <= outcome.before.pages.size(); ++page) {
      PageOutcome result{int16_t(page), std::nullopt};
      for (const SessionRun::SeenBox& seen : run_.boxes())
        if (seen.page == int16_t(page) && !result.box) result.box = seen.box;
      outcome.pages.push_back(result);
    }
    return outcome;
  }

  const SessionOptions& options_;
  std::ostringstream out_;
  RunWatcher watcher_;
  SessionRun run_;
  StepContext context_;
  DialogState shown_;
  std::vector<DialogFrame> frames_;
};

}  // namespace

SessionOutcome play_session(const sim::ScoreFile& file, const std::vector<ScriptLine>& lines,
                            const SessionOptions& options) {
  check_script(lines);
  SessionOutcome outcome;
  Player player(file, options);
  player.play(lines, &outcome);
  return outcome;
}

}  // namespace cli
