#include "sim/cli/settings_block.h"

#include "platform/win32.h"
#include "settings/registry_settings.h"
#include "sim/cli/dialog_entry.h"
#include "sim/ui/units.h"
#include "ui/respacing_dialog_ids.h"

namespace cli {
namespace {

const char* source(bool given, const SettingsContext& context) {
  return given ? "given" : context.stored ? "stored" : "default";
}

std::string line(const char* label, const std::string& value, const std::string& from) {
  std::string text = std::string("  ") + label;
  text.resize(20, ' ');
  text += value;
  text.resize(std::max<size_t>(text.size() + 2, 46), ' ');
  return text + from + "\n";
}

// The range as the dialog shows it. A stored range kind outside 0..3 marks
// none of the four buttons, and Apply then takes the two page fields.
std::string pages_value(const sim::Person& person, const SettingsContext& context, const structUserPrefs& loaded) {
  const std::string from = person.text(IDC_FROM_PAGE);
  if (person.checked(IDC_ALL_PAGES)) return "all pages (1-" + std::to_string(context.page_count) + ")";
  if (person.checked(IDC_CURRENT_PAGE)) return "the current page (" + std::to_string(context.current_page) + ")";
  if (person.checked(IDC_SINGLE_PAGE)) return "single page " + from;
  const std::string range = "pages " + from + " to " + person.text(IDC_TO_PAGE);
  if (person.checked(IDC_SELECTED_PAGES)) return range;
  return "none of the four marked (stored as " + std::to_string(loaded.processRange) + "); Apply takes: " + range;
}

std::string pages_source(const sim::Person& person, const SettingsContext& context) {
  const bool given = context.given.pages.has_value();
  std::string from = source(given, context);
  const bool numbered = person.checked(IDC_SINGLE_PAGE) || person.checked(IDC_SELECTED_PAGES);
  if (!given && context.stored && numbered) from += " (page numbers are not kept: each start resets them to 1 to the last page)";
  return from;
}

// "99 EVPU (0.344 in)"; picas show as "2p1" and carry their own mark.
std::string margin_value(int16_t evpu, int16_t unit) {
  std::string text = std::to_string(evpu) + " EVPU";
  if (sim::unit_name(unit) != sim::unit_name(sim::kUnitEvpu))
    text += " (" + sim::format_length(evpu, unit) + sim::unit_symbol(unit) + ")";
  return text;
}

// "--extra-top 100 EVPU: typed as "0.347" in inches, which the dialog keeps as 99 EVPU"
std::string margin_difference(const char* option, const MarginChoice& given, const std::string& shown, int16_t kept,
                              int16_t unit) {
  if (double(kept) == given.evpu) return "";
  const bool as_given = given.has_unit && shown == given.text;
  return std::string(option) + " " + margin_text(given) + ": typed as \"" + shown + "\"" +
         (as_given ? "" : " in " + sim::unit_name(unit)) + ", which the dialog keeps as " + std::to_string(kept) +
         " EVPU\n";
}

// A check box as shown; a stored value other than 0 and 1 shows as checked
// and Apply stores 1 for it.
std::string check_value(const sim::Person& person, int id, int16_t stored, bool given) {
  const std::string shown = person.checked(id) ? "yes" : "no";
  if (given || stored == 0 || stored == 1) return shown;
  return shown + " (stored as " + std::to_string(stored) + "; Apply stores " + (person.checked(id) ? "1" : "0") + ")";
}

// The lone-system choice as shown. A stored value outside 0..3 marks none of
// the four buttons, and Apply then stores "to the bottom".
std::string lone_value(const sim::Person& person, int16_t stored) {
  if (person.checked(IDC_LEAVE_ALONE)) return "left alone";
  if (person.checked(IDC_PLACE_TOP)) return "to the top";
  if (person.checked(IDC_PLACE_CENTER)) return "centred";
  if (person.checked(IDC_PLACE_BOTTOM)) return "to the bottom";
  return "none of the four marked (stored as " + std::to_string(stored) + "); Apply takes: to the bottom";
}

}  // namespace

bool settings_stored() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, szRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  const bool found = RegQueryValueExA(key, szUserDialogReg, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

std::string settings_block(const sim::Person& person, const SettingsContext& context, const structUserPrefs& loaded,
                           const structUserPrefs* applied) {
  const RespaceSettings& given = context.given;
  const int16_t unit = context.unit;
  const structUserPrefs& kept = applied != nullptr ? *applied : loaded;
  std::string text = "Settings (given: on the command line; stored: by an earlier run";
  text += context.registry.empty() ? "" : ", in " + context.registry;
  text += "; default: the plug-in's own):\n";
  text += line("pages", pages_value(person, context, loaded), pages_source(person, context));
  text += line("extra top margin", margin_value(kept.extraTopMargin, unit), source(given.extra_top.has_value(), context));
  text += line("extra bottom", margin_value(kept.extraBottomMargin, unit),
               source(given.extra_bottom.has_value(), context));
  text += line("keep topmost", check_value(person, IDC_KEEP_TOPMOST, loaded.keepTopmostStill, given.keep_topmost.has_value()),
               source(given.keep_topmost.has_value(), context));
  text += line("include gaps", check_value(person, IDC_INCLUDE_GAPS, loaded.includeGaps, given.include_gaps.has_value()),
               source(given.include_gaps.has_value(), context));
  text += line("compact", check_value(person, IDC_COMPACT, loaded.compact, given.compact.has_value()),
               source(given.compact.has_value(), context));
  text += line("lone system", lone_value(person, loaded.singleSystems), source(given.single_systems.has_value(), context));
  if (given.extra_top)
    text += margin_difference("--extra-top", *given.extra_top, person.text(IDC_TOP_MARGIN), kept.extraTopMargin, unit);
  if (given.extra_bottom)
    text += margin_difference("--extra-bottom", *given.extra_bottom, person.text(IDC_BOTTOM_MARGIN),
                              kept.extraBottomMargin, unit);
  return text;
}

}  // namespace cli
