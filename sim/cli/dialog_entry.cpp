#include "sim/cli/dialog_entry.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "sim/score/score_options.h"
#include "sim/ui/units.h"
#include "ui/respacing_dialog_ids.h"

namespace cli {
namespace {

// Types a page number; the field takes digits only, so a number it would
// change (a minus sign) is refused rather than entered as another page.
void type_page(sim::Person& person, int id, int page) {
  const std::string text = std::to_string(page);
  person.type(id, text);
  if (person.text(id) != text)
    throw UsageError("--pages: " + text + " cannot be typed into the dialog's page field (it takes digits only)");
}

void enter_pages(sim::Person& person, const PageChoice& pages) {
  switch (pages.kind) {
    case PageChoice::ALL: person.click(IDC_ALL_PAGES); return;
    case PageChoice::CURRENT: person.click(IDC_CURRENT_PAGE); return;
    case PageChoice::RANGE:
      person.click(pages.first == pages.last ? IDC_SINGLE_PAGE : IDC_SELECTED_PAGES);
      type_page(person, IDC_FROM_PAGE, pages.first);
      if (pages.first != pages.last) type_page(person, IDC_TO_PAGE, pages.last);
      return;
  }
}

// Types the margin as an engraver types it: a length that names its unit as
// given (the field reads "100e", "1in", "2p1"), a bare number of EVPU as the
// length in the score's unit, rounded as the field shows that unit; a text
// longer than the field's seven characters also goes in the score's unit.
// The dialog then keeps the whole EVPU it reads back (toward zero), which the
// settings block reports.
void enter_margin(sim::Person& person, int id, const MarginChoice& margin, int16_t unit, const char* option) {
  if (margin.has_unit) {
    person.type(id, margin.text);
    if (person.text(id) == margin.text) return;
  }
  const std::string shown = sim::format_length(margin.evpu, unit);
  person.type(id, shown);
  if (person.text(id) != shown)
    throw UsageError(std::string(option) + ": " + margin_text(margin) + " does not fit the dialog's field in " +
                     sim::unit_name(unit) + " (\"" + shown + "\")");
}

void set_check(sim::Person& person, int id, const std::optional<bool>& wanted) {
  if (wanted && person.checked(id) != *wanted) person.click(id);
}

std::string range_text(long lowest, long highest) { return std::to_string(lowest) + ".." + std::to_string(highest); }

std::string page_rejection(const sim::Person& person, const RespaceSettings& settings, int pages, bool from_field) {
  const std::string option = !settings.pages ? std::string(person.checked(IDC_CURRENT_PAGE) ? "the page range"
                                                                                         : "the stored page range")
                             : settings.pages->kind == PageChoice::CURRENT ? std::string("--pages current")
                                                                            : std::string("--pages");
  const std::string from = person.text(IDC_FROM_PAGE);
  if (person.checked(IDC_CURRENT_PAGE)) {
    // The current page is the host's; the dialog shows it in its label only.
    return option + ": the current page is outside 1.." + std::to_string(pages) +
           " (the dialog rejected the current page)";
  }
  if (person.checked(IDC_SINGLE_PAGE))
    return option + ": page " + from + " is outside " + range_text(1, pages) + " (the dialog rejected the page)";
  if (from_field)
    return option + ": first page " + from + " is outside 1.." + person.text(IDC_TO_PAGE) +
           " (the dialog rejected the first page; it may not pass the last)";
  return option + ": last page " + person.text(IDC_TO_PAGE) + " is outside " + from + ".." +
         std::to_string(pages) + " (the dialog rejected the last page)";
}

std::string margin_rejection(const std::optional<MarginChoice>& given, const sim::Person& person, int id,
                             const char* option, const char* stored, long lowest, long highest, const char* what,
                             const char* why) {
  const std::string value = given ? margin_text(*given) : "\"" + person.text(id) + "\"";
  return std::string(given ? option : stored) + ": " + value + " is outside " + range_text(lowest, highest) +
         why + " (the dialog rejected the " + what + ")";
}

}  // namespace

std::string margin_text(const MarginChoice& margin) {
  char* end = nullptr;
  const long value = std::strtol(margin.text.c_str(), &end, 10);
  if (!margin.text.empty() && *end == '\0' && double(value) == margin.evpu) return margin.text + " EVPU";
  return margin.text + " (" + sim::format_length(margin.evpu, sim::kUnitEvpu) + " EVPU)";
}

void enter_settings(sim::Person& person, const RespaceSettings& settings, int16_t unit) {
  if (settings.pages) enter_pages(person, *settings.pages);
  if (settings.extra_top) enter_margin(person, IDC_TOP_MARGIN, *settings.extra_top, unit, "--extra-top");
  if (settings.extra_bottom) enter_margin(person, IDC_BOTTOM_MARGIN, *settings.extra_bottom, unit, "--extra-bottom");
  set_check(person, IDC_KEEP_TOPMOST, settings.keep_topmost);
  set_check(person, IDC_INCLUDE_GAPS, settings.include_gaps);
  set_check(person, IDC_COMPACT, settings.compact);
  if (settings.single_systems) {
    static const int kRadios[] = {IDC_LEAVE_ALONE, IDC_PLACE_TOP, IDC_PLACE_CENTER, IDC_PLACE_BOTTOM};
    person.click(kRadios[*settings.single_systems]);
  }
}

// The field the dialog put the focus on when it refused Apply.
std::string rejected_field(const sim::Person& person) {
  static const struct {
    int id;
    const char* name;
  } kFields[] = {{IDC_FROM_PAGE, "first page"}, {IDC_TO_PAGE, "last page"}, {IDC_TOP_MARGIN, "extra top margin"},
                 {IDC_BOTTOM_MARGIN, "extra bottom margin"}};
  for (const auto& field : kFields)
    if (person.has_focus(field.id)) return "the " + std::string(field.name) + " (it shows \"" + person.text(field.id) + "\")";
  return "the page range";
}

std::string rejection_message(const sim::Person& person, const RespaceSettings& settings, const sim::ScoreFile& file,
                              const std::vector<std::string>& failed_calls) {
  if (!failed_calls.empty()) {
    // What the field shows need not be at fault: the dialog read it, or the
    // page count it checks it against, through the call that failed.
    std::string calls;
    for (const std::string& call : failed_calls) calls += (calls.empty() ? "" : "; ") + call;
    return "the dialog rejected " + rejected_field(person) + " after a host call failed while it read its fields: " +
           calls + " (a fault the score declares)";
  }
  const int pages = int(file.score.pages.size());
  if (person.has_focus(IDC_FROM_PAGE)) return page_rejection(person, settings, pages, true);
  if (person.has_focus(IDC_TO_PAGE)) return page_rejection(person, settings, pages, false);
  if (person.has_focus(IDC_TOP_MARGIN)) {
    const bool avoid = sim::avoid_collision(file.score);
    return margin_rejection(settings.extra_top, person, IDC_TOP_MARGIN, "--extra-top", "the stored extra top margin",
                            avoid ? 0 : -100, 700, "extra top margin", avoid ? " (the score avoids collisions)" : "");
  }
  if (person.has_focus(IDC_BOTTOM_MARGIN))
    return margin_rejection(settings.extra_bottom, person, IDC_BOTTOM_MARGIN, "--extra-bottom",
                            "the stored extra bottom margin", 0, 300, "extra bottom margin", "");
  // A single page beyond the last puts the focus on the "to" field, which is
  // disabled then and cannot take it: no field shows it.
  if (!person.checked(IDC_ALL_PAGES)) return page_rejection(person, settings, pages, false);
  return "the dialog rejected the settings (it beeped without pointing at a field)";
}

}  // namespace cli
