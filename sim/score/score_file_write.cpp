// ScoreFile -> score file JSON. Fields equal to the format's defaults are left
// out; everything else is written, so that reading the result gives the same
// model back.
#include <algorithm>
#include <stdexcept>

#include "host/record_tags.h"
#include "sim/score/score_file_json.h"
#include "sim/score/score_options.h"

namespace sim {
namespace {

template <typename T>
void put_if_changed(Json& object, const char* key, T value, T default_value) {
  if (value != default_value) object[key] = value;
}

Json write_entries(const std::vector<InstrumentListEntry>& list) {
  Json entries = Json::array();
  for (const InstrumentListEntry& item : list) {
    Json entry;
    entry["staff"] = item.staff;
    put_if_changed(entry, "position", item.position, 0);
    if (item.word2 != 0) entry["word2"] = item.word2;
    entries.push_back(entry);
  }
  return entries;
}

bool has_own_list(const Score& score, const StaffSystem& system, int16_t number) {
  return (system.flags & kOwnStaffListFlag) != 0 && score.instrument_lists.count(number) != 0;
}

Json write_system(const Score& score, const StaffSystem& system, int16_t number, int16_t first_measure) {
  const StaffSystem d = default_system(first_measure);
  const bool own_list = has_own_list(score, system, number);
  const uint16_t flags = own_list ? uint16_t(system.flags & ~kOwnStaffListFlag) : system.flags;
  Json out;
  out["gap"] = system.gap;
  put_if_changed(out, "top_margin", system.top_margin, d.top_margin);
  put_if_changed(out, "left_margin", system.left_margin, d.left_margin);
  put_if_changed(out, "right_margin", system.right_margin, d.right_margin);
  put_if_changed(out, "bottom_margin", system.bottom_margin, d.bottom_margin);
  put_if_changed(out, "first_measure", system.first_measure, d.first_measure);
  if (system.next_measure != int16_t(system.first_measure + 1)) out["next_measure"] = system.next_measure;
  if (flags != 0) out["flags"] = hex_word(flags, 4);
  put_if_changed(out, "percent", system.percent, d.percent);
  put_if_changed(out, "staff_height", system.staff_height, d.staff_height);
  put_if_changed(out, "unnamed14", system.unnamed14, d.unnamed14);
  put_if_changed(out, "unnamed16", system.unnamed16, d.unnamed16);
  if (own_list) out["staff_list"] = write_entries(score.instrument_lists.at(number));
  return out;
}

Json write_page(const Page& page) {
  const Page d = default_page();
  Json out;
  out["width"] = page.width;
  out["height"] = page.height;
  if (page.top_margin != d.top_margin || page.left_margin != d.left_margin ||
      page.bottom_margin != d.bottom_margin || page.right_margin != d.right_margin) {
    out["margins"] = Json{{"top", page.top_margin}, {"left", page.left_margin},
                          {"bottom", page.bottom_margin}, {"right", page.right_margin}};
  }
  if ((page.flags & kScaledPageFlag) != 0) out["scaled"] = true;
  put_if_changed(out, "percent", page.percent, d.percent);
  const uint16_t other_flags = uint16_t(page.flags & ~kScaledPageFlag);
  if (other_flags != 0) out["flags"] = hex_word(other_flags, 4);
  if (!page.laid_out) out["laid_out"] = false;
  return out;
}

// Pages with their systems nested; systems must stand on existing pages, in page order.
Json write_pages(const Score& score) {
  Json pages = Json::array();
  for (const Page& page : score.pages) pages.push_back(write_page(page));
  int16_t previous_page = 1;
  int16_t first_measure = 1;
  for (size_t i = 0; i < score.systems.size(); ++i) {
    const StaffSystem& system = score.systems[i];
    if (system.page < previous_page || system.page > int(score.pages.size()))
      throw std::invalid_argument("staff system " + std::to_string(i + 1) + " stands on page " +
                                  std::to_string(system.page) + ", out of page order or past the last page");
    previous_page = system.page;
    Json& page = pages[size_t(system.page) - 1];
    if (!page.contains("systems")) page["systems"] = Json::array();
    page["systems"].push_back(write_system(score, system, int16_t(i + 1), first_measure));
    first_measure = system.next_measure;
  }
  return pages;
}

Json write_lists(const Score& score) {
  Json lists = Json::array();
  for (const auto& [number, entries] : score.instrument_lists) {
    if (number >= 1 && size_t(number) <= score.systems.size() &&
        has_own_list(score, score.systems[size_t(number) - 1], number))
      continue;
    lists.push_back(Json{{"list", number}, {"entries", write_entries(entries)}});
  }
  return lists;
}

bool staves_follow_from_lists(const Score& score) {
  Score derived;
  for (const auto& list : score.instrument_lists)
    for (const InstrumentListEntry& entry : list.second) derived.staves[entry.staff].hidden = false;
  if (derived.staves.size() != score.staves.size()) return false;
  for (const auto& [number, staff] : score.staves)
    if (staff.hidden || derived.staves.count(number) == 0) return false;
  return true;
}

Json write_staves(const Score& score) {
  Json staves = Json::array();
  for (const auto& [number, staff] : score.staves) {
    Json item{{"staff", number}};
    if (staff.hidden) item["hidden"] = true;
    staves.push_back(item);
  }
  return staves;
}

// The measures as a count when no flags are set, else one object per measure;
// null when they are exactly what a reader derives from the systems.
Json write_measures(const Score& score) {
  bool any_flags = false;
  for (const Measure& m : score.measures) any_flags = any_flags || m.flags != 0;
  if (!any_flags) {
    int last = 0;
    for (const StaffSystem& s : score.systems)
      last = std::max({last, int(s.first_measure), int(s.next_measure) - 1});
    if (size_t(last) == score.measures.size()) return nullptr;
    return score.measures.size();
  }
  Json measures = Json::array();
  for (const Measure& m : score.measures) {
    Json item = Json::object();
    if (m.flags != 0) item["flags"] = hex_word(m.flags, 4);
    measures.push_back(item);
  }
  return measures;
}

// An option stands for its record when setting the option on an empty score
// makes exactly that record; any other record is kept as raw bytes.
struct OptionRecord {
  const char* name;
  RecordKey key;
  Json (*value)(const Score& score);
  void (*apply)(Score& score, const Json& value);
};

const OptionRecord kOptionRecords[] = {
    {"extracted_part", {kTagPartOther, -2, 0}, [](const Score& s) -> Json { return extracted_part(s); },
     [](Score& s, const Json& v) { set_extracted_part(s, v.get<bool>()); }},
    {"avoid_collision", {kTagFlagsOther, 10, 0}, [](const Score& s) -> Json { return avoid_collision(s); },
     [](Score& s, const Json& v) { set_avoid_collision(s, v.get<bool>()); }},
    {"unit", {kTagGeneralPrefs, 0, 0},
     [](const Score& s) -> Json { return unit(s) ? Json(*unit(s)) : Json(nullptr); },
     [](Score& s, const Json& v) { set_unit(s, v.get<int16_t>()); }},
};

Json write_options(const Score& score, std::set<RecordKey>& written) {
  Json options = Json::object();
  for (const OptionRecord& option : kOptionRecords) {
    const Bytes* stored = score.records.find(option.key);
    if (stored == nullptr) continue;
    const Json value = option.value(score);
    if (value.is_null()) continue;
    Score probe;
    option.apply(probe, value);
    const Bytes* made = probe.records.find(option.key);
    if (made == nullptr || *made != *stored) continue;
    options[option.name] = value;
    written.insert(option.key);
  }
  return options;
}

}  // namespace

Json write_score_json(const ScoreFile& file) {
  const Score& score = file.score;
  Json doc;
  doc["format"] = kScoreFormatName;
  doc["version"] = kScoreFormatVersion;
  doc["host"] = Json{{"version", hex_word(file.host_version, 8)}};
  doc["view"] = Json{{"document_open", file.view.document_open}, {"page_view", file.view.page_view},
                     {"current_page", file.view.current_page}};
  std::set<RecordKey> written;
  const Json options = write_options(score, written);
  if (!options.empty()) doc["options"] = options;
  doc["pages"] = write_pages(score);
  const Json lists = write_lists(score);
  if (!lists.empty()) doc["instrument_lists"] = lists;
  if (!staves_follow_from_lists(score)) doc["staves"] = write_staves(score);
  const Json measures = write_measures(score);
  if (!measures.is_null()) doc["measures"] = measures;
  const DefinitionCounts& d = score.definitions;
  if (d.text_expressions != 0 || d.shape_expressions != 0 || d.articulations != 0)
    doc["definitions"] = Json{{"text_expressions", d.text_expressions},
                              {"shape_expressions", d.shape_expressions},
                              {"articulations", d.articulations}};
  const Json records = write_records(score, written);
  if (!records.empty()) doc["records"] = records;
  const Json faults = write_host_faults(file.host_faults);
  if (!faults.empty()) doc["host_faults"] = faults;
  return doc;
}

}  // namespace sim
