#include "sim/score/score_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "host/record_tags.h"
#include "sim/score/score_options.h"

namespace {

namespace fs = std::filesystem;

fs::path examples_dir() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples"; }

auto page_fields(const sim::Page& p) {
  return std::make_tuple(p.height, p.width, p.flags, p.top_margin, p.left_margin, p.bottom_margin, p.right_margin,
                  p.percent, p.laid_out);
}

auto system_fields(const sim::StaffSystem& s) {
  return std::make_tuple(s.page, s.top_margin, s.left_margin, s.right_margin, s.bottom_margin, s.first_measure,
                  s.next_measure, s.flags, s.unnamed14, s.unnamed16, s.percent, s.gap, s.staff_height);
}

auto entry_fields(const sim::InstrumentListEntry& e) { return std::make_tuple(e.staff, e.word2, e.position); }

// Field by field, so that a field the writer or the reader drops shows up.
void expect_same_score(const sim::ScoreFile& a, const sim::ScoreFile& b) {
  EXPECT_EQ(a.host_version, b.host_version);
  EXPECT_EQ(std::tie(a.view.document_open, a.view.page_view, a.view.current_page),
            std::tie(b.view.document_open, b.view.page_view, b.view.current_page));
  ASSERT_EQ(a.score.pages.size(), b.score.pages.size());
  for (size_t i = 0; i < a.score.pages.size(); ++i)
    EXPECT_EQ(page_fields(a.score.pages[i]), page_fields(b.score.pages[i])) << "page " << i + 1;
  ASSERT_EQ(a.score.systems.size(), b.score.systems.size());
  for (size_t i = 0; i < a.score.systems.size(); ++i)
    EXPECT_EQ(system_fields(a.score.systems[i]), system_fields(b.score.systems[i])) << "system " << i + 1;
  ASSERT_EQ(a.score.instrument_lists.size(), b.score.instrument_lists.size());
  for (const auto& [number, list] : a.score.instrument_lists) {
    ASSERT_EQ(b.score.instrument_lists.count(number), 1u) << "list " << number;
    const auto& other = b.score.instrument_lists.at(number);
    ASSERT_EQ(list.size(), other.size()) << "list " << number;
    for (size_t i = 0; i < list.size(); ++i)
      EXPECT_EQ(entry_fields(list[i]), entry_fields(other[i])) << "list " << number << " entry " << i;
  }
  ASSERT_EQ(a.score.staves.size(), b.score.staves.size());
  for (const auto& [number, staff] : a.score.staves) EXPECT_EQ(staff.hidden, b.score.staves.at(number).hidden);
  ASSERT_EQ(a.score.measures.size(), b.score.measures.size());
  for (size_t i = 0; i < a.score.measures.size(); ++i)
    EXPECT_EQ(a.score.measures[i].flags, b.score.measures[i].flags) << "measure " << i + 1;
  EXPECT_EQ(std::tie(a.score.definitions.text_expressions, a.score.definitions.shape_expressions,
                     a.score.definitions.articulations),
            std::tie(b.score.definitions.text_expressions, b.score.definitions.shape_expressions,
                     b.score.definitions.articulations));
  EXPECT_EQ(a.score.records.all(), b.score.records.all());
  const auto fault_fields = [](const sim::RecordFault& f) { return std::make_tuple(f.tag, f.first, f.second, f.load, f.save); };
  ASSERT_EQ(a.host_faults.records.size(), b.host_faults.records.size());
  for (size_t i = 0; i < a.host_faults.records.size(); ++i)
    EXPECT_EQ(fault_fields(a.host_faults.records[i]), fault_fields(b.host_faults.records[i])) << "record fault " << i;
  EXPECT_EQ(a.host_faults.missing_functions, b.host_faults.missing_functions);
  EXPECT_EQ(a.host_faults.failing_calls, b.host_faults.failing_calls);
}

sim::Page page(int32_t height, int32_t width, uint16_t flags, int16_t top, int16_t left, int16_t bottom,
              int16_t right, int16_t percent, bool laid_out) {
  sim::Page p;
  p.height = height;
  p.width = width;
  p.flags = flags;
  p.top_margin = top;
  p.left_margin = left;
  p.bottom_margin = bottom;
  p.right_margin = right;
  p.percent = percent;
  p.laid_out = laid_out;
  return p;
}

sim::StaffSystem system_on(int16_t page, int16_t gap, uint16_t flags, int16_t first_measure, int16_t next_measure) {
  sim::StaffSystem s;
  s.page = page;
  s.gap = gap;
  s.flags = flags;
  s.first_measure = first_measure;
  s.next_measure = next_measure;
  return s;
}

// A score with a value other than the format's default in every field.
sim::ScoreFile unusual_score() {
  sim::ScoreFile file;
  file.host_version = 0x06000123;
  file.view.document_open = false;
  file.view.page_view = false;
  file.view.current_page = 3;
  sim::Score& s = file.score;
  s.pages.push_back(page(4000, 3000, 0x0006, -200, 100, 300, -50, 75, false));
  s.pages.push_back(page(3168, 2448, 0, -144, 144, 144, -144, 100, true));
  s.pages.push_back(page(3168, 2448, 0, 0, 0, 0, 0, 100, true));
  sim::StaffSystem first = system_on(1, -123, 0x4003, 5, 9);
  first.top_margin = -70000;
  first.left_margin = 10;
  first.right_margin = -20;
  first.bottom_margin = -30;
  first.unnamed14 = 7;
  first.unnamed16 = -100000;
  first.percent = 90;
  first.staff_height = 1536;
  s.systems.push_back(first);
  s.systems.push_back(system_on(1, 0, 0x4000, 9, 10));
  sim::StaffSystem third = system_on(3, -32768, 0, 3, 2);
  third.top_margin = -12;
  third.bottom_margin = -5;
  s.systems.push_back(third);
  s.instrument_lists[1] = {{1, 0, 0}, {2, 7, -300}};  // systems 1 and 2 have lists of their own
  s.instrument_lists[2] = {{3, 0, 0}};
  s.instrument_lists[3] = {{1, 0, -5}};  // numbered like system 3, which does not use it
  s.instrument_lists[0] = {{1, 65535, 0}, {2, 0, -288}};
  s.instrument_lists[-8] = {};
  s.staves[1].hidden = true;
  s.staves[2].hidden = false;
  s.staves[40].hidden = false;
  s.measures = {{0}, {0x0800}, {0}};
  s.definitions.text_expressions = 12;
  s.definitions.shape_expressions = 3;
  s.definitions.articulations = 20;
  sim::set_extracted_part(s, true);
  sim::set_unit(s, 4);
  s.records.put({kTagFlagsOther, 10, 0}, sim::Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  s.records.put({0x4F0A1B2Cu, -3, 7}, sim::Bytes{0xFF, 0x00, 0x7F});
  file.host_faults.records = {{0x534F5053u, 2, 0, true, false}, {0x4F025353u, -1, 32767, false, true},
                              {0x534F4D53u, 18, 0, true, true}};
  file.host_faults.missing_functions = {"FX_UpdateLayout", "FX_RedrawMusic"};
  file.host_faults.failing_calls = {51, 7, 2147483647};
  return file;
}

std::string error_of(const std::string& text) {
  try {
    sim::parse_score_text(text, "bad.json");
  } catch (const sim::ScoreFileError& e) {
    EXPECT_EQ(e.file(), "bad.json");
    return e.what();
  }
  return "(no error)";
}

std::string score_with_system(const std::string& system) {
  return R"({"format": "dunvaro-score", "version": 1, "pages": [{"width": 2448, "height": 3168, "systems": [)" +
         system + "]}]}";
}

TEST(ScoreFile, EveryFieldSurvivesARoundTrip) {
  const sim::ScoreFile original = unusual_score();
  const std::string text = sim::score_file_text(original);
  const sim::ScoreFile read = sim::parse_score_text(text, "round.json");
  expect_same_score(original, read);
  EXPECT_EQ(sim::score_file_text(read), text) << text;
}

TEST(ScoreFile, EveryExampleLoadsAndWritesBackTheSameScore) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(examples_dir())) {
    if (entry.path().extension() != ".json") continue;
    ++examples;
    SCOPED_TRACE(entry.path().filename().string());
    const sim::ScoreFile loaded = sim::load_score_file(entry.path().string());
    EXPECT_FALSE(loaded.score.pages.empty());
    EXPECT_FALSE(loaded.score.systems.empty());
    expect_same_score(loaded, sim::parse_score_text(sim::score_file_text(loaded), "again.json"));
  }
  EXPECT_GE(examples, 5);
}

TEST(ScoreFile, MissingFieldsTakeTheFormatsDefaults) {
  const sim::ScoreFile file = sim::parse_score_text(
      R"({"format": "dunvaro-score", "version": 1, "pages": [
           {"width": 2000, "height": 3000, "systems": [{"gap": -10}, {"gap": -20, "next_measure": 7}, {"gap": 0}]},
           {"width": 2000, "height": 3000}],
          "instrument_lists": [{"list": 0, "entries": [{"staff": 4}, {"staff": 2, "position": -200}]}]})",
      "defaults.json");
  EXPECT_EQ(file.host_version, 0x0F000200u);
  const sim::Page& page = file.score.pages[1];
  EXPECT_EQ(std::tie(page.top_margin, page.left_margin, page.bottom_margin, page.right_margin, page.percent),
            std::make_tuple(int16_t(-144), int16_t(144), int16_t(144), int16_t(-144), int16_t(100)));
  EXPECT_TRUE(page.laid_out);
  const auto& systems = file.score.systems;
  ASSERT_EQ(systems.size(), 3u);
  EXPECT_EQ(std::tie(systems[0].page, systems[0].first_measure, systems[0].next_measure),
            std::make_tuple(int16_t(1), int16_t(1), int16_t(2)));
  EXPECT_EQ(std::tie(systems[1].first_measure, systems[1].next_measure), std::make_tuple(int16_t(2), int16_t(7)));
  EXPECT_EQ(std::tie(systems[2].first_measure, systems[2].next_measure), std::make_tuple(int16_t(7), int16_t(8)));
  EXPECT_EQ(file.score.measures.size(), 7u) << "as many measures as the systems reach";
  ASSERT_EQ(file.score.staves.size(), 2u) << "a visible staff for every staff a list names";
  EXPECT_FALSE(file.score.staves.at(4).hidden);
  EXPECT_FALSE(file.score.staves.at(2).hidden);
}

// Without instrument lists the score's list 0 holds its staves 288 EVPU apart
// in the order of their numbers, or staff 1 alone; given lists stay as given.
TEST(ScoreFile, AScoreWithoutInstrumentListsGetsListZeroOfItsStaves) {
  const struct {
    const char* extra;
    std::vector<std::pair<int16_t, int32_t>> list0;  // staff, position
  } cases[] = {
      {"", {{1, 0}}},
      {R"(, "staves": [{"staff": 5}, {"staff": 2, "hidden": true}])", {{2, 0}, {5, -288}}},
      {R"(, "instrument_lists": [{"list": 0, "entries": [{"staff": 3, "position": -10}]}])", {{3, -10}}},
      {R"(, "instrument_lists": [{"list": -8, "entries": []}])", {}},
  };
  for (const auto& c : cases) {
    const sim::ScoreFile file = sim::parse_score_text(
        R"({"format": "dunvaro-score", "version": 1, "pages": [{"width": 1, "height": 1, "systems": [{"gap": 0}]}])" +
            std::string(c.extra) + "}",
        "lists.json");
    std::vector<std::pair<int16_t, int32_t>> list0;
    if (file.score.instrument_lists.count(0) != 0)
      for (const sim::InstrumentListEntry& entry : file.score.instrument_lists.at(0))
        list0.emplace_back(entry.staff, entry.position);
    EXPECT_EQ(list0, c.list0) << c.extra;
    for (const auto& [staff, position] : list0) EXPECT_EQ(file.score.staves.count(staff), 1u) << c.extra;
  }
}

TEST(ScoreFile, AStaffListInsideASystemIsTheSystemsOwnList) {
  const sim::ScoreFile file = sim::parse_score_text(
      score_with_system(R"({"gap": 0}, {"gap": -5, "flags": "0x0002", "staff_list": [{"staff": 3, "word2": 9}]})"),
      "own.json");
  EXPECT_EQ(file.score.systems[1].flags, 0x4002);
  ASSERT_EQ(file.score.instrument_lists.count(2), 1u);
  EXPECT_EQ(file.score.instrument_lists.at(2)[0].word2, 9);
}

TEST(ScoreFile, HostYearOptionsAndViewSetTheHostsState) {
  const sim::ScoreFile file = sim::parse_score_text(
      R"({"format": "dunvaro-score", "version": 1, "host": {"year": 1998},
          "view": {"page_view": false, "current_page": 4},
          "options": {"extracted_part": true, "avoid_collision": true, "unit": 3}, "pages": []})",
      "host.json");
  EXPECT_EQ(file.host_version, 0x04000000u);
  EXPECT_TRUE(file.view.document_open);
  EXPECT_FALSE(file.view.page_view);
  EXPECT_EQ(file.view.current_page, 4);
  EXPECT_TRUE(sim::extracted_part(file.score));
  EXPECT_TRUE(sim::avoid_collision(file.score));
  EXPECT_EQ(sim::unit(file.score), int16_t(3));
  EXPECT_EQ(sim::parse_score_text(R"({"format": "dunvaro-score", "version": 1, "host": {"year": 2000}, "pages": []})",
                                  "y.json")
                .host_version,
            0x05000000u);
}

struct BadFile {
  const char* name;
  std::string text;
  const char* message;  // what() must contain this, as whole words
};

// `message` stands in `error` as whole words: "which has 1 page" is not found
// in "which has 1 pages", nor "2 is outside" in "32 is outside".
bool holds_words(const std::string& error, const std::string& message) {
  const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (size_t at = error.find(message); at != std::string::npos; at = error.find(message, at + 1)) {
    const size_t end = at + message.size();
    const bool starts = at == 0 || !word(error[at - 1]) || !word(message.front());
    const bool ends = end == error.size() || !word(error[end]) || !word(message.back());
    if (starts && ends) return true;
  }
  return false;
}

TEST(ScoreFile, ABadFileIsRefusedWithItsNameThePlaceAndTheProblem) {
  const std::string head = R"({"format": "dunvaro-score", "version": 1, )";
  const BadFile cases[] = {
      {"syntax error", "{\"format\": \"dunvaro-score\",\n  \"version\": 1,\n  \"pages\": [}\n",
       "bad.json: line 3, column 13: syntax error"},
      {"wrong type deep inside",
       head + R"("pages": [{"width": 1, "height": 1}, {"width": 1, "height": 1},
                           {"width": 1, "height": 1, "systems": [{"gap": "-120"}]}]})",
       R"(bad.json: pages[2].systems[0].gap: expected an integer, found the string "-120")"},
      {"fraction", score_with_system(R"({"gap": -1.5})"),
       "bad.json: pages[0].systems[0].gap: expected an integer, found the number -1.5"},
      {"missing page height", head + R"("pages": [{"width": 1}]})",
       R"(bad.json: pages[0]: missing required field "height")"},
      {"missing gap", score_with_system(R"({"top_margin": -48})"),
       R"(bad.json: pages[0].systems[0]: missing required field "gap")"},
      {"missing pages", head + R"("host": {}})", R"(bad.json: missing required field "pages")"},
      {"gap above 16 bits", score_with_system(R"({"gap": 32768})"),
       "bad.json: pages[0].systems[0].gap: 32768 is outside -32768..32767"},
      {"gap below 16 bits", score_with_system(R"({"gap": -32769})"), "-32769 is outside -32768..32767"},
      {"flags above 16 bits", score_with_system(R"({"gap": 0, "flags": 65536})"),
       "pages[0].systems[0].flags: 65536 is outside 0..65535"},
      {"negative flags", score_with_system(R"({"gap": 0, "flags": -1})"), "flags: -1 is outside 0..65535"},
      {"hex flags above 16 bits", score_with_system(R"({"gap": 0, "flags": "0x10000"})"),
       R"(flags: "0x10000" is outside 0..65535)"},
      {"page margin above 16 bits", head + R"("pages": [{"width": 1, "height": 1, "margins": {"top": 40000}}]})",
       "pages[0].margins.top: 40000 is outside -32768..32767"},
      {"unknown field", score_with_system(R"({"gap": 0, "gpa": 1})"), "pages[0].systems[0].gpa: unknown field"},
      {"unknown field with a NUL", score_with_system(R"({"gap": 0, "g\u0000ap": 1})"),
       R"(pages[0].systems[0].g\u0000ap: unknown field)"},
      {"field given twice", score_with_system(R"({"gap": 0, "gap": 1})"),
       "pages[0].systems[0].gap: field given twice"},
      {"another format", R"({"format": "other", "version": 1, "pages": []})",
       R"(bad.json: not a score file: it has no "format": "dunvaro-score")"},
      {"JSON of another kind", R"({"version": 6, "cmakeMinimumRequired": {"major": 3}})",
       R"(bad.json: not a score file: it has no "format": "dunvaro-score")"},
      {"current page beyond the score", head + R"("view": {"current_page": 7}, "pages": [{"width": 1, "height": 1}]})",
       "bad.json: view.current_page: 7 is not a page of the score, which has 1 page"},
      {"later version", R"({"format": "dunvaro-score", "version": 2, "pages": []})",
       "version: version 2 of the format is not known here"},
      {"list given twice",
       head + R"("pages": [{"width": 1, "height": 1, "systems": [{"gap": 0, "staff_list": [{"staff": 1}]}]}],
                 "instrument_lists": [{"list": 1, "entries": []}]})",
       "instrument_lists[0].list: instrument list 1 is already given at pages[0].systems[0].staff_list"},
      {"staff given twice", head + R"("pages": [], "staves": [{"staff": 2}, {"staff": 2, "hidden": true}]})",
       "staves[1].staff: staff 2 is given twice"},
      {"entry without staff", head + R"("pages": [], "instrument_lists": [{"list": 0, "entries": [{}]}]})",
       R"(instrument_lists[0].entries[0]: missing required field "staff")"},
      {"year no host has", head + R"("host": {"year": 1999}, "pages": []})", "host.year: no host version"},
      {"record of a modelled tag",
       head + R"("pages": [], "records": [{"tag": "SOPS", "key": [1, 0], "bytes": "00"}]})",
       "records[0].tag: 'SOPS' records follow from"},
      {"record with five words",
       head + R"("pages": [], "records": [{"tag": "otAB", "key": [1, 0], "words": [1, 2, 3, 4, 5]}]})",
       "records[0].words: an other record holds six words"},
      {"record bytes not hex",
       head + R"("pages": [], "records": [{"tag": "pfzz", "key": [0, 0], "bytes": "0G"}]})",
       "records[0].bytes: 'G' is not a hexadecimal digit"},
      {"top level not an object", "[1, 2]", R"(bad.json: not a score file: it has no "format")"},
  };
  for (const BadFile& c : cases) {
    const std::string error = error_of(c.text);
    EXPECT_TRUE(holds_words(error, c.message)) << c.name << ": " << error;
  }
}

TEST(ScoreFile, DeclaredHostFaultsAreReadWithTagsGivenAnyWay) {
  const sim::ScoreFile file = sim::parse_score_text(
      R"({"format": "dunvaro-score", "version": 1, "pages": [], "host_faults": {
           "records": [{"tag": "SOPS", "key": [2, 0], "load": true}, {"tag": "0x4F025353", "key": [6, 0], "save": true},
                       {"tag": 1397706835, "key": [-3, 4], "load": true, "save": true}],
           "missing_functions": ["FX_UpdateLayout"], "failing_calls": [51, 3]}})",
      "faults.json");
  const auto& records = file.host_faults.records;
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(std::make_tuple(records[0].tag, records[0].first, records[0].load, records[0].save),
            std::make_tuple(0x534F5053u, int16_t(2), true, false));
  EXPECT_EQ(std::make_tuple(records[1].tag, records[1].first, records[1].load, records[1].save),
            std::make_tuple(0x4F025353u, int16_t(6), false, true));
  EXPECT_EQ(std::make_tuple(records[2].tag, records[2].first, records[2].second, records[2].load, records[2].save),
            std::make_tuple(0x534F5053u, int16_t(-3), int16_t(4), true, true));
  EXPECT_EQ(file.host_faults.missing_functions, std::vector<std::string>{"FX_UpdateLayout"});
  EXPECT_EQ(file.host_faults.failing_calls, (std::vector<int64_t>{51, 3}));
  const std::string written = sim::score_file_text(file);
  EXPECT_NE(written.find(R"({"tag": "0x4F025353", "key": [6, 0], "save": true})"), std::string::npos) << written;
  EXPECT_EQ(sim::score_file_text(sim::ScoreFile{}).find("host_faults"), std::string::npos) << "nothing declared, nothing written";
}

TEST(ScoreFile, BadHostFaultsAreRefusedWithTheirPlace) {
  const auto with_faults = [](const std::string& faults) {
    return R"({"format": "dunvaro-score", "version": 1, "pages": [], "host_faults": )" + faults + "}";
  };
  const BadFile cases[] = {
      {"unknown field", with_faults(R"({"failing_call": [1]})"), "host_faults.failing_call: unknown field"},
      {"unknown function", with_faults(R"({"missing_functions": ["FX_Nothing"]})"),
       R"(host_faults.missing_functions[0]: the host has no function "FX_Nothing")"},
      {"function twice", with_faults(R"({"missing_functions": ["FX_UpdateLayout", "FX_UpdateLayout"]})"),
       "host_faults.missing_functions[1]: FX_UpdateLayout is given twice"},
      {"function not a string", with_faults(R"({"missing_functions": [3]})"),
       "host_faults.missing_functions[0]: expected a string, found the number 3"},
      {"call 0", with_faults(R"({"failing_calls": [0]})"), "host_faults.failing_calls[0]: 0 is outside 1..2147483647"},
      {"call above 32 bits", with_faults(R"({"failing_calls": [2147483648]})"), "2147483648 is outside 1..2147483647"},
      {"call twice", with_faults(R"({"failing_calls": [4, 4]})"), "host_faults.failing_calls[1]: call 4 is given twice"},
      {"record neither load nor save", with_faults(R"({"records": [{"tag": "SOPS", "key": [1, 0]}]})"),
       R"(host_faults.records[0]: give "load": true, "save": true or both)"},
      {"record load false", with_faults(R"({"records": [{"tag": "SOPS", "key": [1, 0], "load": false}]})"),
       R"(host_faults.records[0]: give "load": true)"},
      {"record twice",
       with_faults(R"({"records": [{"tag": "SOPS", "key": [1, 0], "load": true}, {"tag": 1397706835, "key": [1, 0], "save": true}]})"),
       "host_faults.records[1]: this tag and key are already given at host_faults.records[0]"},
      {"tag of three characters", with_faults(R"({"records": [{"tag": "SOP", "key": [1, 0], "load": true}]})"),
       "host_faults.records[0].tag: expected four characters"},
      {"tag above 32 bits", with_faults(R"({"records": [{"tag": 4294967296, "key": [1, 0], "load": true}]})"),
       "host_faults.records[0].tag: 4294967296 is outside 0..4294967295"},
      {"key of one number", with_faults(R"({"records": [{"tag": "SOPS", "key": [1], "load": true}]})"),
       "host_faults.records[0].key: a key is two numbers"},
      {"key above 16 bits", with_faults(R"({"records": [{"tag": "SOPS", "key": [1, 40000], "load": true}]})"),
       "host_faults.records[0].key[1]: 40000 is outside -32768..32767"},
      {"load not a boolean", with_faults(R"({"records": [{"tag": "SOPS", "key": [1, 0], "load": 1}]})"),
       "host_faults.records[0].load: expected true or false"},
      {"not an object", with_faults("[]"), "host_faults: expected an object, found an array"},
  };
  for (const BadFile& c : cases) {
    const std::string error = error_of(c.text);
    EXPECT_TRUE(holds_words(error, c.message)) << c.name << ": " << error;
  }
}

TEST(ScoreFile, SaveWritesAFileThatLoadsAndAFailedSaveLeavesNothingBehind) {
  const fs::path dir = fs::temp_directory_path() / ("score_file_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "saved.json").string();
  sim::save_score_file(unusual_score(), path);
  expect_same_score(unusual_score(), sim::load_score_file(path));

  const fs::path occupied = dir / "occupied";
  fs::create_directories(occupied / "inside");
  EXPECT_THROW(sim::save_score_file(unusual_score(), occupied.string()), sim::ScoreFileError);
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
  EXPECT_FALSE(fs::exists(occupied.string() + ".tmp"));
  EXPECT_THROW(sim::save_score_file(unusual_score(), (dir / "missing" / "x.json").string()), sim::ScoreFileError);
  EXPECT_FALSE(fs::exists(dir / "missing"));
  fs::remove_all(dir);
}

TEST(ScoreFile, ASystemOutOfPageOrderCannotBeWritten) {
  sim::ScoreFile file;
  file.score.pages.resize(2);
  file.score.systems.push_back(sim::StaffSystem{});
  file.score.systems.back().page = 3;
  EXPECT_THROW(sim::score_file_text(file), std::invalid_argument);
}

}  // namespace
