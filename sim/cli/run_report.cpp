#include "sim/cli/run_report.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "sim/cli/page_facts.h"
#include "sim/render/page_geometry.h"
#include "sim/render/windows_1252.h"

namespace cli {
namespace {

std::string room_text(const sim::PageGeometry& page) {
  return "room below: " + std::to_string(std::lround(page.room_below()));
}

std::string system_range(const sim::PageGeometry& page) {
  const size_t count = page.systems.size();
  if (count == 1) return "system " + std::to_string(page.systems[0].number);
  return "systems " + std::to_string(page.systems.front().number) + "-" +
         std::to_string(page.systems.back().number);
}

// Prints the page's block; answers whether it had facts to state.
bool page_block(std::ostringstream& out, const RunOutcome& outcome, const PageOutcome& page) {
  out << "Page " << page.page << ": ";
  const uint32_t version = outcome.after.host_version;
  const bool on_score = page.page >= 1 && size_t(page.page) <= outcome.before.pages.size();
  const sim::PageGeometry before = on_score ? sim::page_geometry(outcome.before, version, page.page) : sim::PageGeometry{};
  if (!on_score) out << "not in the score\n";
  else if (before.systems.empty()) out << "no staff systems\n";
  std::string facts;
  if (on_score && !before.systems.empty()) {
    const sim::PageGeometry after = sim::page_geometry(outcome.after.score, version, page.page);
    out << system_range(before) << "\n";
    const std::string gaps[2] = {gap_list(before), gap_list(after)};
    const size_t width = std::max(gaps[0].size(), gaps[1].size());
    out << "  gaps before: " << gaps[0] << std::string(width - gaps[0].size() + 3, ' ') << room_text(before) << "\n";
    out << "  gaps after:  " << gaps[1] << std::string(width - gaps[1].size() + 3, ' ') << room_text(after) << "\n";
    facts = page_facts_line(before, after, page.box.has_value());
    out << facts;
  }
  if (page.box) out << "  message box " << box_quote(*page.box) << "\n";
  return !facts.empty();
}

}  // namespace

std::string gap_list(const sim::PageGeometry& page) {
  std::string text;
  for (const sim::SystemBox& box : page.systems) text += (text.empty() ? "" : " ") + std::to_string(box.gap);
  return text;
}

std::string page_note(const PageOutcome& page) {
  return page.box ? sim::utf8_from_windows_1252(page.box->text) : "no message";
}

std::string box_quote(const ShownBox& box) {
  return "\"" + sim::utf8_from_windows_1252(box.caption) + "\": " + sim::utf8_from_windows_1252(box.text);
}

std::string page_report(const RunOutcome& outcome) {
  std::ostringstream out;
  size_t with_box = 0;
  size_t with_facts = 0;
  for (const PageOutcome& page : outcome.pages) {
    with_facts += page_block(out, outcome, page) ? 1 : 0;
    with_box += page.box ? 1 : 0;
  }
  const size_t total = outcome.pages.size();
  out << total << (total == 1 ? " page, " : " pages, ");
  if (outcome.boxes.empty()) out << "no message box\n";
  else out << outcome.boxes.size() << (outcome.boxes.size() == 1 ? " message box" : " message boxes") << " (raised by "
           << with_box << " of the pages)\n";
  if (with_facts > 0)
    out << with_facts << (with_facts == 1 ? " page has" : " pages have")
        << " facts stated under it: a result to look at before accepting it\n";
  return out.str();
}

std::string calls_table(const std::vector<CallStep>& steps) {
  std::ostringstream out;
  out << "Host calls, step by step:\n";
  for (const CallStep& step : steps) out << call_step_lines(step);
  return out.str();
}

std::string call_step_lines(const CallStep& step) {
  std::ostringstream out;
  int total = 0;
  for (const auto& call : step.calls) total += call.second;
  out << "  " << step.title << ": " << total << (total == 1 ? " call" : " calls") << "\n";
  std::vector<std::pair<std::string, int>> calls = step.calls;
  if (step.counted)
    std::stable_sort(calls.begin(), calls.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [name, count] : calls) {
    std::string padded = name;
    padded.resize(std::max<size_t>(padded.size(), 28), ' ');
    out << "    " << padded << (step.counted ? "" : "x") << count << "\n";
  }
  return out.str();
}

std::string failed_calls_report(const sim::DeclaredFaults& declared, const std::vector<FailedHostCall>& failed) {
  if (failed.empty()) {
    if (declared.records.empty() && declared.failing_calls.empty()) return "";
    return "No host call failed: the run never made a call that the declared faults name.\n";
  }
  // The failures of one call and record together, in the order they first came.
  std::vector<std::string> order;
  std::map<std::string, std::vector<int64_t>> numbers;
  for (const FailedHostCall& call : failed) {
    if (numbers.count(call.call) == 0) order.push_back(call.call);
    numbers[call.call].push_back(call.number);
  }
  std::ostringstream out;
  out << "Host calls made to fail: " << failed.size() << "\n";
  for (const std::string& call : order) {
    std::string after;
    size_t before_apply = 0;
    for (int64_t number : numbers[call]) {
      if (number == 0) ++before_apply;
      else after += (after.empty() ? "" : ", ") + std::to_string(number);
    }
    out << "  " << call << ":";
    if (before_apply > 0) out << " " << before_apply << "x before Apply" << (after.empty() ? "" : ";");
    if (!after.empty()) out << (after.find(',') == std::string::npos ? " call " : " calls ") << after << " after Apply";
    out << "\n";
  }
  return out.str();
}

}  // namespace cli
