// Score file JSON -> ScoreFile. Every value is checked for its type and range
// where it is read; the first problem ends the reading with its place.
#include <algorithm>
#include <map>
#include <set>

#include "host/record_tags.h"
#include "sim/score/record_encoding.h"
#include "sim/score/score_file_json.h"
#include "sim/score/score_options.h"

namespace sim {
namespace {

constexpr int64_t kMaxNumbered = INT16_MAX;  // pages, systems, measures and staves count in 16 bits

struct Reading {
  ScoreFile result;
  // Where each instrument list came from, for the complaint about a list given twice.
  std::map<int16_t, std::string> list_places;
};

uint32_t read_host_version(const JsonPlace& host) {
  host.expect_object({"version", "year"});
  if (host.has("version") && host.has("year")) host.fail("give either \"version\" or \"year\", not both");
  if (host.has("version")) return uint32_t(host.member("version").unsigned_number(UINT32_MAX));
  if (!host.has("year")) return kDefaultHostVersion;
  const JsonPlace year = host.member("year");
  // Release bytes of 0x80 and above make a negative word, which reads as a year before 1995.
  const int64_t value = year.integer(1995, 1995 + 0x7F);
  // The release byte 0x04 reads as 1998, so no version word reads as 1999.
  if (value == 1999) year.fail("no host version reads as the year 1999");
  const uint32_t release = value == 1998 ? 0x04 : uint32_t(value - 1995);
  return release << 24;
}

DocumentView read_view(const JsonPlace& view) {
  view.expect_object({"document_open", "page_view", "current_page"});
  DocumentView result;
  read_member(view, "document_open", result.document_open);
  read_member(view, "page_view", result.page_view);
  read_member(view, "current_page", result.current_page);
  return result;
}

std::vector<InstrumentListEntry> read_list_entries(const JsonPlace& entries) {
  entries.expect_array();
  std::vector<InstrumentListEntry> list;
  for (size_t i = 0; i < entries.size(); ++i) {
    const JsonPlace entry = entries.element(i);
    entry.expect_object({"staff", "position", "word2"});
    InstrumentListEntry item;
    item.staff = read_i16(entry.required("staff"));
    item.word2 = 0;
    item.position = 0;
    read_member(entry, "position", item.position);
    read_member(entry, "word2", item.word2);
    list.push_back(item);
  }
  return list;
}

void add_list(Reading& reading, const JsonPlace& place, int16_t number, std::vector<InstrumentListEntry> list) {
  auto known = reading.list_places.find(number);
  if (known != reading.list_places.end())
    place.fail("instrument list " + std::to_string(number) + " is already given at " + known->second);
  reading.list_places[number] = place.path();
  reading.result.score.instrument_lists[number] = std::move(list);
}

void read_system(Reading& reading, const JsonPlace& place, int16_t page_number) {
  place.expect_object({"gap", "top_margin", "left_margin", "right_margin", "bottom_margin", "first_measure",
                       "next_measure", "flags", "percent", "staff_height", "unnamed14", "unnamed16",
                       "staff_list"});
  std::vector<StaffSystem>& systems = reading.result.score.systems;
  if (int64_t(systems.size()) >= kMaxNumbered) place.fail("more staff systems than 16-bit numbers can count");
  const int16_t first_measure = systems.empty() ? 1 : systems.back().next_measure;
  StaffSystem system = default_system(first_measure);
  system.page = page_number;
  system.gap = read_i16(place.required("gap"));
  read_member(place, "top_margin", system.top_margin);
  read_member(place, "left_margin", system.left_margin);
  read_member(place, "right_margin", system.right_margin);
  read_member(place, "bottom_margin", system.bottom_margin);
  read_member(place, "first_measure", system.first_measure);
  if (place.has("first_measure") && !place.has("next_measure")) system.next_measure = int16_t(system.first_measure + 1);
  read_member(place, "next_measure", system.next_measure);
  read_member(place, "flags", system.flags);
  read_member(place, "percent", system.percent);
  read_member(place, "staff_height", system.staff_height);
  read_member(place, "unnamed14", system.unnamed14);
  read_member(place, "unnamed16", system.unnamed16);
  const int16_t number = int16_t(systems.size() + 1);
  if (place.has("staff_list")) {
    const JsonPlace list = place.member("staff_list");
    add_list(reading, list, number, read_list_entries(list));
    system.flags |= kOwnStaffListFlag;
  }
  systems.push_back(system);
}

void read_margins(const JsonPlace& margins, Page& page) {
  margins.expect_object({"top", "left", "bottom", "right"});
  read_member(margins, "top", page.top_margin);
  read_member(margins, "left", page.left_margin);
  read_member(margins, "bottom", page.bottom_margin);
  read_member(margins, "right", page.right_margin);
}

void read_page(Reading& reading, const JsonPlace& place) {
  place.expect_object({"width", "height", "margins", "scaled", "percent", "flags", "laid_out", "systems"});
  std::vector<Page>& pages = reading.result.score.pages;
  if (int64_t(pages.size()) >= kMaxNumbered) place.fail("more pages than 16-bit numbers can count");
  Page page = default_page();
  // A page of negative size cannot be laid out or drawn.
  page.width = int32_t(place.required("width").integer(0, INT32_MAX));
  page.height = int32_t(place.required("height").integer(0, INT32_MAX));
  if (place.has("margins")) read_margins(place.member("margins"), page);
  read_member(place, "flags", page.flags);
  if (place.has("scaled")) {
    const bool scaled = place.member("scaled").boolean();
    page.flags = scaled ? uint16_t(page.flags | kScaledPageFlag) : uint16_t(page.flags & ~kScaledPageFlag);
  }
  read_member(place, "percent", page.percent);
  read_member(place, "laid_out", page.laid_out);
  pages.push_back(page);
  if (!place.has("systems")) return;
  const JsonPlace systems = place.member("systems");
  systems.expect_array();
  for (size_t i = 0; i < systems.size(); ++i) read_system(reading, systems.element(i), int16_t(pages.size()));
}

void read_instrument_lists(Reading& reading, const JsonPlace& lists) {
  lists.expect_array();
  for (size_t i = 0; i < lists.size(); ++i) {
    const JsonPlace item = lists.element(i);
    item.expect_object({"list", "entries"});
    const JsonPlace number = item.required("list");
    const int16_t list = read_i16(number);
    add_list(reading, number, list, read_list_entries(item.required("entries")));
  }
}

void read_staves(Score& score, const JsonPlace& staves) {
  staves.expect_array();
  for (size_t i = 0; i < staves.size(); ++i) {
    const JsonPlace item = staves.element(i);
    item.expect_object({"staff", "hidden"});
    const JsonPlace number = item.required("staff");
    const int16_t staff = read_i16(number);
    if (score.staves.count(staff) != 0) number.fail("staff " + std::to_string(staff) + " is given twice");
    Staff record;
    record.hidden = false;
    read_member(item, "hidden", record.hidden);
    score.staves[staff] = record;
  }
}

void read_measures(Score& score, const JsonPlace& measures) {
  if (measures.value().is_number()) {
    const int64_t count = measures.integer(0, kMaxNumbered);
    score.measures.assign(size_t(count), Measure{0});
    return;
  }
  if (!measures.value().is_array()) measures.fail("expected a count or an array of measures");
  if (int64_t(measures.size()) > kMaxNumbered) measures.fail("more measures than 16-bit numbers can count");
  for (size_t i = 0; i < measures.size(); ++i) {
    const JsonPlace item = measures.element(i);
    item.expect_object({"flags"});
    Measure measure{0};
    read_member(item, "flags", measure.flags);
    score.measures.push_back(measure);
  }
}

void read_definitions(Score& score, const JsonPlace& definitions) {
  definitions.expect_object({"text_expressions", "shape_expressions", "articulations"});
  const char* names[] = {"text_expressions", "shape_expressions", "articulations"};
  int16_t* targets[] = {&score.definitions.text_expressions, &score.definitions.shape_expressions,
                        &score.definitions.articulations};
  for (int i = 0; i < 3; ++i)
    if (definitions.has(names[i])) *targets[i] = int16_t(definitions.member(names[i]).integer(0, kMaxNumbered));
}

// Staff records for every staff an instrument list names, all visible.
void derive_staves(Score& score) {
  for (const auto& list : score.instrument_lists)
    for (const InstrumentListEntry& entry : list.second) score.staves[entry.staff].hidden = false;
}

// Enough measures for every system: up to the last one that a system holds.
void derive_measures(Score& score) {
  int last = 0;
  for (const StaffSystem& system : score.systems)
    last = std::max({last, int(system.first_measure), int(system.next_measure) - 1});
  score.measures.assign(size_t(last), Measure{0});
}

void read_options(Score& score, const JsonPlace& options) {
  options.expect_object({"extracted_part", "avoid_collision", "unit"});
  if (options.has("extracted_part")) set_extracted_part(score, options.member("extracted_part").boolean());
  if (options.has("avoid_collision")) set_avoid_collision(score, options.member("avoid_collision").boolean());
  if (options.has("unit")) set_unit(score, read_i16(options.member("unit")));
}

}  // namespace

// A score file says what it is before anything else is checked, so that JSON
// of another kind is named as such instead of by its first unknown field.
void expect_score_format(const JsonPlace& root) {
  const Json& value = root.value();
  const auto format = value.is_object() ? value.find("format") : value.end();
  if (!value.is_object() || format == value.end() || !format->is_string() || *format != kScoreFormatName)
    root.fail(std::string("not a score file: it has no \"format\": \"") + kScoreFormatName + "\"");
}

// The page the document window shows is one of the score's pages (a score
// without pages has none to show, and keeps what it says).
void check_current_page(const JsonPlace& root, const ScoreFile& result) {
  const int64_t pages = int64_t(result.score.pages.size());
  const int16_t page = result.view.current_page;
  if (pages == 0 || (page >= 1 && page <= pages)) return;
  const JsonPlace view = root.member("view");
  (view.has("current_page") ? view.member("current_page") : view)
      .fail(std::to_string(page) + " is not a page of the score, which has " + std::to_string(pages) +
            (pages == 1 ? " page" : " pages"));
}

// A score that gives no staff lists at all gets list 0, the score's list that
// every system without a list of its own uses: its staves one below the other,
// 288 EVPU apart, in the order of their numbers, or staff 1 alone when it
// declares no staves.
void default_score_list(Score& score) {
  std::vector<InstrumentListEntry> list;
  int32_t position = 0;
  for (const auto& staff : score.staves) {
    list.push_back(InstrumentListEntry{staff.first, 0, position});
    position -= 288;
  }
  if (list.empty()) list.push_back(InstrumentListEntry{1, 0, 0});
  score.instrument_lists[0] = std::move(list);
}

ScoreFile read_score_json(const Json& document, const std::string& file) {
  const JsonPlace root(document, "", file);
  expect_score_format(root);
  root.expect_object({"format", "version", "host", "view", "options", "pages", "instrument_lists", "staves",
                      "measures", "definitions", "records", "host_faults"});
  const JsonPlace format = root.required("format");
  if (format.string() != kScoreFormatName)
    format.fail(std::string("expected \"") + kScoreFormatName + "\", found " + format.value().dump());
  const JsonPlace version = root.required("version");
  if (version.integer(INT32_MIN, INT32_MAX) != kScoreFormatVersion)
    version.fail("version " + version.value().dump() + " of the format is not known here (this program reads version " +
                 std::to_string(kScoreFormatVersion) + ")");

  Reading reading;
  Score& score = reading.result.score;
  if (root.has("host")) reading.result.host_version = read_host_version(root.member("host"));
  if (root.has("view")) reading.result.view = read_view(root.member("view"));
  const JsonPlace pages = root.required("pages");
  pages.expect_array();
  for (size_t i = 0; i < pages.size(); ++i) read_page(reading, pages.element(i));
  if (root.has("instrument_lists")) read_instrument_lists(reading, root.member("instrument_lists"));
  if (root.has("staves")) read_staves(score, root.member("staves"));
  if (!root.has("instrument_lists")) default_score_list(score);
  if (!root.has("staves")) derive_staves(score);
  if (root.has("measures")) read_measures(score, root.member("measures"));
  else derive_measures(score);
  if (root.has("definitions")) read_definitions(score, root.member("definitions"));
  if (root.has("records")) read_records(score, root.member("records"));
  if (root.has("options")) read_options(score, root.member("options"));
  if (root.has("host_faults")) reading.result.host_faults = read_host_faults(root.member("host_faults"));
  if (root.has("view")) check_current_page(root, reading.result);
  return reading.result;
}

}  // namespace sim
