#include "sim/cli/respace_settings.h"

#include <string>

#include "sim/score/score_options.h"

namespace cli {
namespace {

constexpr int16_t kNotPlaced = -32768;

void check_range(const char* option, int value, int lowest, int highest, const char* why = "") {
  if (value < lowest || value > highest)
    throw UsageError(std::string(option) + ": " + std::to_string(value) + " is outside " + std::to_string(lowest) +
                     ".." + std::to_string(highest) + why);
}

// processRange, firstPage and lastPage as the dialog sets them for each choice.
void fill_page_range(const PageChoice& pages, const sim::ScoreFile& file, structUserPrefs& prefs) {
  const int count = int(file.score.pages.size());
  if (count == 0) throw UsageError("the score has no pages");
  switch (pages.kind) {
    case PageChoice::ALL:
      prefs.processRange = 0;
      prefs.firstPage = 1;
      prefs.lastPage = int16_t(count);
      return;
    case PageChoice::CURRENT: {
      const sim::DocumentView& view = file.view;
      if (!view.document_open || !view.page_view)
        throw UsageError("--pages current: the score's view shows no page (it needs page view)");
      check_range("--pages current", view.current_page, 1, count, " (the score's pages)");
      prefs.processRange = 3;
      prefs.firstPage = prefs.lastPage = view.current_page;
      return;
    }
    case PageChoice::RANGE:
      check_range("--pages", pages.first, 1, count, " (the score's pages)");
      check_range("--pages", pages.last, pages.first, count, " (the first page up to the score's last)");
      prefs.processRange = pages.first == pages.last ? 1 : 2;
      prefs.firstPage = int16_t(pages.first);
      prefs.lastPage = int16_t(pages.last);
      return;
  }
}

}  // namespace

structUserPrefs settings_record(const RespaceSettings& settings, const sim::ScoreFile& file) {
  structUserPrefs prefs = {};
  fill_page_range(settings.pages.value_or(PageChoice{}), file, prefs);
  const int extra_top = settings.extra_top.value_or(0);
  if (sim::avoid_collision(file.score))
    check_range("--extra-top", extra_top, 0, 700, " (the score avoids collisions)");
  else
    check_range("--extra-top", extra_top, -100, 700);
  const int extra_bottom = settings.extra_bottom.value_or(0);
  check_range("--extra-bottom", extra_bottom, 0, 300);
  prefs.extraTopMargin = int16_t(extra_top);
  prefs.extraBottomMargin = int16_t(extra_bottom);
  prefs.keepTopmostStill = settings.keep_topmost.value_or(false) ? 1 : 0;
  prefs.includeGaps = settings.include_gaps.value_or(false) ? 1 : 0;
  prefs.compact = settings.compact.value_or(false) ? 1 : 0;
  prefs.singleSystems = int16_t(settings.single_systems.value_or(2));
  prefs.dialogLeft = kNotPlaced;
  prefs.dialogTop = kNotPlaced;
  return prefs;
}

}  // namespace cli
