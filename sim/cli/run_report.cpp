#include "sim/cli/run_report.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine/page_results.h"
#include "sim/render/page_geometry.h"

namespace cli {
namespace {

std::string gap_list(const sim::PageGeometry& page) {
  std::string text;
  for (const sim::SystemBox& box : page.systems) text += (text.empty() ? "" : " ") + std::to_string(box.gap);
  return text;
}

std::string room_text(const sim::PageGeometry& page) {
  return "room below: " + std::to_string(std::lround(page.room_below()));
}

std::string system_range(const sim::PageGeometry& page) {
  const size_t count = page.systems.size();
  if (count == 1) return "system " + std::to_string(page.systems[0].number);
  return "systems " + std::to_string(page.systems.front().number) + "-" +
         std::to_string(page.systems.back().number);
}

void page_block(std::ostringstream& out, const RunOutcome& outcome, const PageOutcome& page) {
  out << "Page " << page.page << ": ";
  if (page.page < 1 || size_t(page.page) > outcome.before.pages.size()) {
    out << result_text(page.result) << "\n";
    return;
  }
  const uint32_t version = outcome.after.host_version;
  const sim::PageGeometry before = sim::page_geometry(outcome.before, version, page.page);
  const sim::PageGeometry after = sim::page_geometry(outcome.after.score, version, page.page);
  if (before.systems.empty()) {
    out << result_text(page.result) << "\n";
    return;
  }
  out << system_range(before) << ", " << result_text(page.result) << "\n";
  const std::string gaps[2] = {gap_list(before), gap_list(after)};
  const size_t width = std::max(gaps[0].size(), gaps[1].size());
  out << "  gaps before: " << gaps[0] << std::string(width - gaps[0].size() + 3, ' ') << room_text(before) << "\n";
  out << "  gaps after:  " << gaps[1] << std::string(width - gaps[1].size() + 3, ' ') << room_text(after) << "\n";
}

}  // namespace

bool page_processed(int16_t result) { return result == kPageProcessed || result == kPageHasNoSystems; }

bool every_page_processed(const RunOutcome& outcome) {
  for (const PageOutcome& page : outcome.pages)
    if (!page_processed(page.result)) return false;
  return true;
}

std::string result_text(int16_t result) {
  switch (result) {
    case kPageProcessed: return "processed";
    case kPageMarginsTooWide: return "not processed: the extra margins are too wide";
    case kPageHasNoSystems: return "no staff systems";
    case kPageLoadFailed: return "not processed: the page could not be loaded";
    case kSystemLoadFailed: return "not processed: a staff system could not be read";
    case kSystemSaveFailed: return "not processed: a staff system could not be written";
    case kPageNotLaidOut: return "not processed: the page is not laid out";
    case kUnknownSingleOption: return "not processed: unknown placement for a lone system";
    case kSystemRangeFailed: return "not processed: the page's systems could not be found";
    case kSystemsDoNotFit: return "not processed: the systems do not fit on the page";
    case kPageScalingInvalid: return "not processed: the page's scaling is invalid";
    default: return "not processed: result " + std::to_string(result);
  }
}

std::string page_report(const RunOutcome& outcome) {
  std::ostringstream out;
  int processed = 0;
  for (const PageOutcome& page : outcome.pages) {
    page_block(out, outcome, page);
    processed += page_processed(page.result) ? 1 : 0;
  }
  const size_t total = outcome.pages.size();
  out << total << (total == 1 ? " page: " : " pages: ") << processed << " processed";
  if (size_t(processed) != total) out << ", " << total - size_t(processed) << " not processed";
  out << "\n";
  return out.str();
}

std::string calls_table(const RunOutcome& outcome) {
  std::ostringstream out;
  int total = 0;
  for (const auto& [name, count] : outcome.calls) total += count;
  out << "Host calls: " << total << "\n";
  for (const auto& [name, count] : outcome.calls) {
    std::string padded = name;
    padded.resize(std::max<size_t>(padded.size(), 28), ' ');
    out << "  " << padded << count << "\n";
  }
  return out.str();
}

}  // namespace cli
