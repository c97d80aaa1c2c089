// dunvaro-sim end to end: the program built next to this test executable, run
// as a user would run it, on the example score files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <iterator>

#include "cli/sim_program.h"
#include "sim/score/score_file.h"

namespace {

using namespace cli_test;

TEST_F(DunvaroSim, RespacesAScoreWritesItAndItsDrawingAndExitsZero) {
  const ProgramRun r = run("respace '" + example("piano.json") + "' --pages all -o '" + in_dir("out.json") + "' --svg '" +
                    in_dir("pages.svg") + "'");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Page 1: systems 1-4\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("3 pages, no message box\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Message box"), std::string::npos);

  const sim::ScoreFile respaced = sim::load_score_file(in_dir("out.json"));
  const sim::ScoreFile original = sim::load_score_file(example("piano.json"));
  EXPECT_EQ(respaced.score.systems.size(), original.score.systems.size());
  EXPECT_EQ(respaced.score.systems[0].gap, 0) << "the first system moves up to the top margin";
  EXPECT_NE(respaced.score.systems[1].gap, original.score.systems[1].gap);
  const std::string svg = read_file(dir_ / "pages.svg");
  EXPECT_EQ(svg.rfind("<svg", 0), 0u);
  EXPECT_NE(svg.find("Page 3: no message"), std::string::npos);
}

TEST_F(DunvaroSim, PrintsEachMessageBoxWithItsCaptionAndExitsOneWhenAPageIsNotProcessed) {
  const ProgramRun r = run("respace '" + example("lone-system.json") + "' --pages all --extra-top 700 --extra-bottom=300");
  EXPECT_EQ(r.status, 1) << r.out << r.err;
  EXPECT_NE(r.out.find("Message box \"Information\": Extra margins are too wide. Page 1 was not processed.\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Page 1: system 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  message box \"Information\": Extra margins are too wide. Page 1 was not processed.\n"
                       "Page 2: no staff systems\n"),
            std::string::npos)
      << "the box is the first page's; a page without systems raises none\n"
      << r.out;
  EXPECT_NE(r.out.find("2 pages, 1 message box (raised by 1 of the pages)"), std::string::npos) << r.out;
}

TEST_F(DunvaroSim, PrintsTheHostsAlertsOfAPageBeforeItsMessageBox) {
  std::ofstream(in_dir("own.json")) << R"({"format": "dunvaro-score", "version": 1,
    "pages": [{"width": 2448, "height": 3168, "systems": [{"gap": -10, "flags": "0x4000"}]}]})";
  const ProgramRun r = run("respace '" + in_dir("own.json") + "'");
  EXPECT_EQ(r.status, 1);
  const size_t alert = r.out.find("Host alert: pFTX_GetInstrumentList: list #1 does not exist\n");
  const size_t box = r.out.find("Message box \"System Load Error\": Internal error while loading staff system.\n");
  ASSERT_NE(alert, std::string::npos) << r.out;
  ASSERT_NE(box, std::string::npos) << r.out;
  EXPECT_LT(alert, box) << r.out;
}

TEST_F(DunvaroSim, ThePageRangeAndOptionsReachThePageDriver) {
  const ProgramRun r = run("respace '" + example("piano.json") +
                           "' --pages 2 --keep-topmost --compact --extra-top 50 --calls -o '" +
                           in_dir("out.json") + "'");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(r.out.find("Page 1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 page, no message box"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("FX_LoadEData"), std::string::npos) << "host calls listed";
  const sim::ScoreFile respaced = sim::load_score_file(in_dir("out.json"));
  const sim::ScoreFile original = sim::load_score_file(example("piano.json"));
  for (size_t s = 0; s < 4; ++s) EXPECT_EQ(respaced.score.systems[s].gap, original.score.systems[s].gap) << s;
  EXPECT_EQ(respaced.score.systems[4].gap, original.score.systems[4].gap) << "topmost kept";
  for (size_t s = 5; s < 9; ++s) EXPECT_EQ(respaced.score.systems[s].gap, 0) << "compact packs system " << s + 1;
}

TEST_F(DunvaroSim, TheCurrentPageIsThePageTheScoresViewShows) {
  const ProgramRun r = run("respace '" + example("piano.json") + "' --pages current");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Page 2: systems 5-9"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Page 1"), std::string::npos) << r.out;

  // In scroll view the dialog cannot apply: the host is switched to page view first.
  const ProgramRun scroll_view = run("respace '" + example("host-2000.json") + "' --pages current");
  EXPECT_EQ(scroll_view.status, 0) << scroll_view.err;
  EXPECT_EQ(scroll_view.out.rfind("The score is shown in scroll view: switched the host to page view, page 1.\n"
                                  "Settings (", 0), 0u)
      << scroll_view.out;
}

TEST_F(DunvaroSim, TheDemoWritesItsScoreTheRespacedScoreAndTheDrawing) {
  const ProgramRun r = run("demo --out '" + in_dir("demo") + "'");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("4 pages, no message box"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("The dialog as Apply was pressed:\nKV Dunvaro  v 1.20\n"), std::string::npos) << r.out;
  for (const char* name : {"demo-score.json", "demo-respaced.json", "demo.svg", "dialog.svg"})
    EXPECT_TRUE(fs::exists(dir_ / "demo" / name)) << name;
  EXPECT_NO_THROW(sim::load_score_file(in_dir("demo/demo-respaced.json")));
}

TEST_F(DunvaroSim, WithoutACommandItPrintsTheUsageAndFails) {
  const ProgramRun r = run("");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Usage: dunvaro-sim [OPTIONS] SUBCOMMAND"), std::string::npos) << r.err;
  EXPECT_EQ(run("--help").status, 0);
  const ProgramRun help = run("respace --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--extra-bottom LENGTH"), std::string::npos) << help.out;
  const ProgramRun version = run("--version");
  EXPECT_EQ(version.out, "dunvaro-sim 1.20\nplug-in: KV Dunvaro [v 1.20]\n");
}

// A file's size and modification time: what an untouched file keeps.
using FileStamp = std::pair<uintmax_t, fs::file_time_type>;
FileStamp stamp(const fs::path& path) { return {fs::file_size(path), fs::last_write_time(path)}; }

// Each bad score file is refused with its name and the problem, exit status
// 2, nothing written and the file as it was.
TEST_F(DunvaroSim, ABadScoreFileIsRefusedByNameWithItsProblem) {
  fs::create_directories(dir_ / "folder.json");
  std::ofstream(in_dir("empty.json")).flush();
  std::ofstream(in_dir("latin1.json")) << "{\"format\": \"dunvaro-sc\xF6re\"}";
  std::ofstream(in_dir("deep.json")) << std::string(10000, '[') << std::string(10000, ']');
  std::ofstream(in_dir("overflow.json")) << "66e6010000000002_";
  std::ofstream(in_dir("bad.json")) << R"({"format": "dunvaro-score", "version": 1,
    "pages": [{"width": 2448, "height": 3168, "systems": [{"gap": "wide"}]}]})";
  std::ofstream(in_dir("upside-down.json")) << R"({"format": "dunvaro-score", "version": 1,
    "pages": [{"width": 2448, "height": -3168}]})";
  {
    std::string block;  // 1 MB of numbers
    for (int i = 0; block.size() < (1 << 20) - 8; ++i) block += std::to_string(100000 + i % 900000) + ", ";
    block.resize(1 << 20, ' ');
    std::ofstream huge(in_dir("huge.json"), std::ios::binary);
    huge << "[";
    for (int i = 0; i < 100; ++i) huge.write(block.data(), std::streamsize(block.size()));
    huge << "0]";
  }
  const struct {
    std::string file;
    const char* problem;
  } cases[] = {
      {in_dir("missing.json"), ": cannot open the file: No such file or directory"},
      {"/proc/self/mem", ": cannot read the file: Input/output error"},
      {in_dir("folder.json"), ": is a folder, not a score file"},
      {in_dir("empty.json"), ": the file is empty"},
      {in_dir("latin1.json"), ": line 1, column 23: syntax error while parsing value - invalid string: ill-formed UTF-8 byte"},
      {in_dir("deep.json"), ": [0][0][0][0][0][0][0][0][0][0]...: nested more than 64 levels deep"},
      {in_dir("overflow.json"), ": line 1, column 16: number overflow parsing '66e6010000000002'"},
      {in_dir("huge.json"), ": the file is 100 MB; score files are refused above 32 MB"},
      {in_dir("bad.json"), ": pages[0].systems[0].gap: expected an integer"},
      {in_dir("upside-down.json"), ": pages[0].height: -3168 is outside 0..2147483647"},
  };
  for (const auto& c : cases) {
    const bool regular = fs::is_regular_file(c.file) && c.file.rfind("/proc", 0) != 0;
    const FileStamp before = regular ? stamp(c.file) : FileStamp{};
    const size_t files = files_written();
    const ProgramRun r = run("respace '" + c.file + "' --pages all -o '" + in_dir("out.json") + "'");
    EXPECT_EQ(r.status, 2) << c.file;
    EXPECT_NE(r.err.find("dunvaro-sim: " + c.file + c.problem), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.file;
    EXPECT_EQ(files_written(), files) << c.file;
    if (regular) {
      EXPECT_EQ(stamp(c.file), before) << "untouched " << c.file;
    }
  }
}

// An output that cannot be written is refused by name: exit status 2, no file
// and no temporary left behind, the score file untouched, /dev/full still a
// device.
TEST_F(DunvaroSim, AnOutputThatCannotBeWrittenIsNamedWithItsProblemAndLeavesNothingBehind) {
  const fs::path locked = dir_ / "locked";
  fs::create_directories(locked);
  ::chmod(locked.c_str(), 0555);
  // Permissions do not stop root: then a folder of a read-only file system.
  const bool permissions_hold = ::access(locked.c_str(), W_OK) != 0;
  const std::string read_only = permissions_hold ? locked.string() : "/sys";
  fs::copy_file(example("piano.json"), dir_ / "in.json");
  const std::string input = read_file(dir_ / "in.json");
  const struct {
    std::string target;
    std::string message;
  } cases[] = {
      {in_dir("nowhere/out.json"), in_dir("nowhere/out.json") + ": the folder " + in_dir("nowhere") + " does not exist"},
      {read_only + "/out.json", read_only + "/out.json: cannot "},
      {"/dev/full", "/dev/full: cannot write the file: No space left on device"},
      {dir_.string(), dir_.string() + ": is a folder, not a file"},
  };
  for (const auto& c : cases) {
    for (const char* option : {"-o", "--svg"}) {
      const ProgramRun r = run("respace '" + in_dir("in.json") + "' --pages all " + option + " '" + c.target + "'");
      EXPECT_EQ(r.status, 2) << option << " " << c.target << "\n" << r.out;
      EXPECT_NE(r.err.find("dunvaro-sim: " + c.message), std::string::npos) << r.err;
      EXPECT_EQ(r.out.find("Wrote"), std::string::npos) << r.out;
    }
  }
  ::chmod(locked.c_str(), 0755);
  EXPECT_EQ(files_written(), 2u) << "only the score and the folder";
  EXPECT_TRUE(fs::is_empty(locked));
  EXPECT_EQ(read_file(dir_ / "in.json"), input);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(DunvaroSim, ARegistryFileThatCannotBeReadIsRefusedUnlessTheRunStartsFresh) {
  std::ofstream(in_dir("registry.txt")) << "not a registry\n";
  const std::string command = "respace '" + example("piano.json") + "' --pages 1 --registry '" + in_dir("registry.txt") + "'";
  const ProgramRun refused = run(command);
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find(in_dir("registry.txt") + ": cannot be read as a registry file"), std::string::npos)
      << refused.err;
  const ProgramRun fresh = run(command + " --fresh");
  EXPECT_EQ(fresh.status, 0) << fresh.err;
  EXPECT_NE(read_file(dir_ / "registry.txt"), "not a registry\n") << "the run's settings replace it";
}

std::vector<int> gaps_of(const sim::ScoreFile& file) {
  std::vector<int> gaps;
  for (const sim::StaffSystem& system : file.score.systems) gaps.push_back(system.gap);
  return gaps;
}

// Every example score under a handful of settings gives the gaps recorded in
// recorded_gaps.txt ("SCORE | OPTIONS | GAPS").
TEST_F(DunvaroSim, EveryExampleGetsTheRecordedGaps) {
  ASSERT_EQ(run("demo --out '" + in_dir("demo") + "'").status, 0);
  std::ifstream table(fs::path(__FILE__).parent_path() / "recorded_gaps.txt");
  std::string row;
  int rows = 0;
  while (std::getline(table, row)) {
    if (row.empty() || row[0] == '#') continue;
    const size_t bar1 = row.find(" | ");
    const size_t bar2 = row.find(" | ", bar1 + 3);
    const std::string name = row.substr(0, bar1);
    const std::string options = row.substr(bar1 + 3, bar2 - bar1 - 3);
    std::istringstream numbers(row.substr(bar2 + 3));
    const std::vector<int> expected{std::istream_iterator<int>(numbers), std::istream_iterator<int>()};
    const std::string score = name == "demo.json" ? in_dir("demo/demo-score.json") : example(name.c_str());
    const ProgramRun r = run("respace '" + score + "' " + options + " --fresh -o '" + in_dir("out.json") + "'");
    ASSERT_EQ(r.status, 0) << row << "\n" << r.out << r.err;
    EXPECT_EQ(gaps_of(sim::load_score_file(in_dir("out.json"))), expected) << row;
    ++rows;
  }
  EXPECT_EQ(rows, 42);
}

TEST_F(DunvaroSim, TheDialogShowsItsControlsAsTheyOpenInTheChosenLanguage) {
  const ProgramRun r = run("dialog '" + example("piano.json") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* shown : {"KV Dunvaro  v 1.20\n", "  (o) &Current Page (2)\n", "    [1]   (disabled)\n",
                            "  to   (disabled)\n", "    [3]   (disabled)\n", "  (o) Center\n", "<Apply>\n"})
    EXPECT_NE(r.out.find(shown), std::string::npos) << shown << "\n" << r.out;
  EXPECT_NE(run("dialog '" + example("piano.json") + "' --language 2").out.find("  bis   (disabled)\n"),
            std::string::npos);
  // The dialog's Windows-1252 texts reach the terminal as UTF-8 ("&Överst:").
  EXPECT_NE(run("dialog '" + example("piano.json") + "' --language 7").out.find("  &\xC3\x96verst:\n"),
            std::string::npos);
  for (const auto& [language, message] : {std::pair<const char*, const char*>{"13", "--language: 13 is outside 0..12"},
                                          {"-1", "--language: -1 is outside 0..12"},
                                          {"sv", "--language: expected a language number 0..12, found \"sv\""}}) {
    const ProgramRun refused = run("dialog '" + example("piano.json") + "' --language " + language);
    EXPECT_EQ(refused.status, 2) << language;
    EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
  }
}

// Settings that cannot be typed into the dialog, and settings the dialog
// itself rejects (it beeps and puts the focus on the field): the option, the
// field and its range are named, exit status 2, and neither the outputs nor
// the registry file are written.
TEST_F(DunvaroSim, ASettingTheDialogRejectsIsNamedWithItsRangeAndNothingIsWritten) {
  std::string avoiding = read_file(example("piano.json"));
  avoiding.replace(avoiding.find("\"pages\""), 0, "\"options\": {\"avoid_collision\": true}, ");
  std::ofstream(in_dir("avoiding.json")) << avoiding;
  const struct {
    std::string score;
    const char* arguments;
    const char* message;
  } cases[] = {
      {example("piano.json"), "--pages 3-2", "--pages: first page 3 is outside 1..2 (the dialog rejected the first page"},
      {example("piano.json"), "--pages 0", "--pages: page 0 is outside 1..3 (the dialog rejected the page)"},
      {example("piano.json"), "--pages -1", "--pages: -1 cannot be typed into the dialog's page field"},
      {example("piano.json"), "--extra-top 40000", "--extra-top: 40000 is outside -32767..32767 EVPU"},
      {example("piano.json"), "--extra-top 1furlong", "--extra-top: expected a length such as 100 (EVPU), 1in"},
      {example("piano.json"), "--pages 2-x", "--pages: expected all, current"},
      {example("piano.json"), "--single sideways", "--single: expected leave, top, center or bottom"},
      {example("piano.json"), "--compact=yes", "--compact takes no value"},
      {example("piano.json"), "--frobnicate", "unknown option --frobnicate"},
      {example("piano.json"), "--extra-top -150",
       "--extra-top: -150 EVPU is outside -100..700 (the dialog rejected the extra top margin)"},
      {example("piano.json"), "--extra-top 701e", "--extra-top: 701e (701 EVPU) is outside -100..700"},
      {in_dir("avoiding.json"), "--extra-top -1e",
       "--extra-top: -1e (-1 EVPU) is outside 0..700 (the score avoids collisions) (the dialog rejected the extra top "
       "margin)"},
      {example("piano.json"), "--extra-bottom 301e",
       "--extra-bottom: 301e (301 EVPU) is outside 0..300 (the dialog rejected the extra bottom margin)"},
      {example("piano.json"), "--extra-bottom -2", "--extra-bottom: -2 EVPU is outside 0..300"},
      {example("piano.json"), "--page 2", "respace: unknown option --page (did you mean --pages?)"},
      {example("piano.json"), "--pages 2 --pages 3", "respace: --pages is given more than once; give it once"},
      {example("piano.json"), "other.json", "respace: unexpected argument other.json (respace takes one score file)"},
      {example("piano.json"), "--pages 2-9", "--pages: last page 9 is outside 2..3 (the dialog rejected the last page)"},
      {example("piano.json"), "--version", "--version is given alone: dunvaro-sim --version"},
      {example("piano.json"), "--pages 7", "--pages: page 7 is outside 1..3 (the dialog rejected the page)"},
  };
  const std::string registry = in_dir("registry.txt");
  for (const auto& c : cases) {
    const size_t files = files_written();
    const ProgramRun r = run("respace '" + c.score + "' " + c.arguments + " --registry '" + registry + "' -o '" +
                             in_dir("out.json") + "' --svg '" + in_dir("out.svg") + "'");
    EXPECT_EQ(r.status, 2) << c.arguments << "\n" << r.out;
    EXPECT_EQ(r.err.rfind("dunvaro-sim: ", 0), 0u) << c.arguments << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << ": " << r.err;
    EXPECT_EQ(files_written(), files) << c.arguments << ": no output, no registry file";
  }
}

// The line of the settings block that starts with `label`, empty when none.
std::string block_line(const std::string& out, const std::string& label) {
  const size_t at = out.find("\n  " + label + " ");
  return at == std::string::npos ? "" : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
}

// What the dialog stored on one run is what it shows on the next: settings not
// given keep the registry's values; --fresh starts from the defaults. The
// settings block says where each setting came from.
TEST_F(DunvaroSim, SettingsPersistIntoTheNextRunThroughTheRegistryFile) {
  const std::string registry = " --registry '" + in_dir("registry.txt") + "'";
  const std::string piano = "'" + example("piano.json") + "'";
  ASSERT_EQ(run("respace " + piano + " --pages 1 --compact --extra-top 72 --single top" + registry).status, 0);
  const ProgramRun shown = run("dialog " + piano + registry);
  for (const char* line : {"  (o) &Single page\n", "    [1]\n", "    [0.25]\n", "  [x] C&ompact\n", "  (o) Top\n"})
    EXPECT_NE(shown.out.find(line), std::string::npos) << line << "\n" << shown.out;
  const ProgramRun again = run("respace " + piano + registry + " -o '" + in_dir("again.json") + "'");
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("Page 1: "), std::string::npos) << again.out;
  EXPECT_EQ(again.out.find("Page 2: "), std::string::npos) << again.out;
  const std::vector<int> again_gaps = gaps_of(sim::load_score_file(in_dir("again.json")));
  EXPECT_EQ(again_gaps[1], 0) << "still compact";
  EXPECT_EQ(again_gaps[0], -72) << "the extra top margin kept (0.25 inches)";
  const struct {
    const ProgramRun& run;
    const char* label;
    const char* value;
    const char* source;
  } lines[] = {
      {again, "pages", "single page 1", "stored (page numbers are not kept"},
      {again, "compact", "yes", "stored"},
      {again, "extra top margin", "72 EVPU (0.25 in)", "stored"},
      {again, "include gaps", "no", "stored"},
      {shown, "lone system", "to the top", "stored"},
  };
  for (const auto& l : lines) {
    const std::string line = block_line(l.run.out, l.label);
    EXPECT_NE(line.find(std::string(l.value) + " "), std::string::npos) << l.label << ": " << line;
    EXPECT_NE(line.find(l.source), std::string::npos) << l.label << ": " << line;
  }
  const ProgramRun fresh = run("dialog " + piano + registry + " --fresh");
  EXPECT_NE(fresh.out.find("  (o) &Current Page (2)\n"), std::string::npos) << fresh.out;
  EXPECT_NE(fresh.out.find("  [ ] C&ompact\n"), std::string::npos) << fresh.out;
  EXPECT_NE(block_line(fresh.out, "pages").find("the current page (2)  "), std::string::npos) << fresh.out;
  EXPECT_NE(block_line(fresh.out, "compact").find("default"), std::string::npos) << fresh.out;
}

// The smallest score the format describes, taken from docs/score-format.md as
// it stands there, respaces without an alert or a message box: the reader
// gives it the score's staff list.
TEST_F(DunvaroSim, TheSmallestScoreOfTheFormatDescriptionRespaces) {
  const std::string doc = read_file(examples_dir().parent_path() / "docs" / "score-format.md");
  const size_t section = doc.find("## The smallest score");
  ASSERT_NE(section, std::string::npos);
  const size_t start = doc.find("```json\n", section) + 8;
  const std::string score = doc.substr(start, doc.find("```", start) - start);
  std::ofstream(in_dir("smallest.json")) << score;
  const ProgramRun r = run("respace '" + in_dir("smallest.json") + "' --pages all --fresh");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(r.out.find("Host alert"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 page, no message box"), std::string::npos) << r.out;
}

// A margin is typed into the dialog as an engraver types it: with its unit as
// given, a bare number in the score's unit (here inches) rounded as the field
// shows it. What the block reports is what the run used: the lone system,
// placed at the top, moves down by exactly the EVPU the block names.
TEST_F(DunvaroSim, AMarginIsTypedAsGivenOrInTheScoresUnitAndTheBlockSaysWhatWasKept) {
  const struct {
    const char* margin;
    int kept;
    const char* difference;  // the line about a margin kept as another EVPU; empty: none
  } cases[] = {
      {"100", 99, "--extra-top 100 EVPU: typed as \"0.347\" in inches, which the dialog keeps as 99 EVPU"},
      {"100e", 100, ""},
      {"1in", 288, ""},
      {"2p1", 100, ""},
      {"3pc", 144, ""},
      {"12pt", 48, ""},
      {"4sp", 96, ""},
      {"1cm", 113, "--extra-top 1cm (113.39 EVPU): typed as \"1cm\", which the dialog keeps as 113 EVPU"},
      {"5mm", 56, "which the dialog keeps as 56 EVPU"},
      {"-0.25in", -72, ""},
  };
  for (const auto& c : cases) {
    const ProgramRun r = run("respace '" + example("lone-system.json") + "' --pages 1 --single top --fresh --extra-top " +
                             c.margin + " -o '" + in_dir("out.json") + "'");
    ASSERT_EQ(r.status, 0) << c.margin << "\n" << r.out << r.err;
    const std::string line = block_line(r.out, "extra top margin");
    EXPECT_EQ(line.find("extra top margin  " + std::to_string(c.kept) + " EVPU"), 2u) << c.margin << ": " << line;
    if (c.difference[0] != '\0') {
      EXPECT_NE(r.out.find(c.difference), std::string::npos) << c.margin << "\n" << r.out;
    } else {
      EXPECT_EQ(r.out.find("which the dialog keeps as"), std::string::npos) << c.margin << "\n" << r.out;
    }
    EXPECT_EQ(gaps_of(sim::load_score_file(in_dir("out.json")))[0], -c.kept) << c.margin;
  }
}

// --calls lists the host's conversation in its order: the entry points, the
// dialog's calls on opening, Apply's run counted, Close, Terminate.
TEST_F(DunvaroSim, TheCallListingFollowsTheHostsOrder) {
  const ProgramRun r = run("respace '" + example("piano.json") + "' --pages 1 --fresh --calls");
  ASSERT_EQ(r.status, 0) << r.err;
  size_t at = 0;
  for (const char* step : {"  Version: ", "  Init: ", "  Enumerate (1 menu item): ", "  Invoke: ", "FX_Dialog",
                           "  The settings entered: ", "  Apply (the respacing run; host calls counted): ",
                           "FX_UpdateLayout", "  Close: ", "FX_EndDialog", "  Terminate: "}) {
    const size_t next = r.out.find(step, at);
    ASSERT_NE(next, std::string::npos) << step << " after position " << at << "\n" << r.out;
    at = next;
  }
}

// The dialog's drawing shows what the text listing shows: the caption, the
// checked radio, accelerators underlined, the disabled page fields grey.
TEST_F(DunvaroSim, TheDialogIsDrawnWithItsMarksAndGreyedControls) {
  const ProgramRun r =
      run("dialog '" + example("piano.json") + "' --fresh --language 0 --svg '" + in_dir("dialog.svg") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string svg = read_file(dir_ / "dialog.svg");
  EXPECT_EQ(svg.rfind("<svg", 0), 0u);
  EXPECT_NE(svg.find(">KV Dunvaro  v 1.20</text>"), std::string::npos) << "the caption bar";
  EXPECT_NE(svg.find("<tspan text-decoration='underline'>C</tspan>urrent Page (2)</text>"), std::string::npos);
  EXPECT_NE(svg.find("fill='#a0a0a0'>3</text>"), std::string::npos) << "the disabled 'to' page";
  size_t marks = 0;
  for (size_t at = svg.find("r='3' fill='#000'"); at != std::string::npos; at = svg.find("r='3' fill='#000'", at + 1))
    ++marks;
  EXPECT_EQ(marks, 2u) << "the current page and the centred lone system";
  // In UTF-8, as the file says it is: the German Apply is "Übernehmen".
  ASSERT_EQ(run("dialog '" + example("piano.json") + "' --fresh --language 2 --svg '" + in_dir("dialog.svg") + "'").status, 0);
  EXPECT_NE(read_file(dir_ / "dialog.svg").find(">\xC3\x9C" "bernehmen<"), std::string::npos);
}

// A score that declares host faults: the run says which once, the box comes
// under the page that raised it (not the next page, whose record the plug-in
// also reads), and the calls made to fail are listed with their numbers.
TEST_F(DunvaroSim, DeclaredHostFaultsReachThePluginsMessageBoxesOnTheirPages) {
  const struct {
    const char* score;
    const char* declared;
    const char* page_and_box;
    const char* failed;  // "" when no call is listed
  } cases[] = {
      {"fault-page-load.json", "Host faults declared by the score: host call 46 after Apply fails.\n",
       "Page 2: systems 5-9\n  gaps before: 0 -36 -180 -24 -72   room below: -72\n"
       "  gaps after:  0 -36 -180 -24 -72   room below: -72\n"
       "  facts: system 9 ends 72 EVPU below the bottom margin\n"
       "  message box \"Page Load Error\": Internal error while loading page 2.\nPage 3",
       "  FX_LoadEData of the page record SOPS [2, 0]: call 46 after Apply\n"},
      {"fault-system-save.json",
       "Host faults declared by the score: saving the staff-system record 0x4F025353 [6, 0] fails.\n",
       "room below: -72\n  facts: system 9 ends 72 EVPU below the bottom margin\n"
       "  message box \"System Save Error\": Internal error when trying to save staff system.\nPage 3",
       "Host calls made to fail: 1\n  FX_SaveEData of the staff-system record 0x4F025353 [6, 0]: call 59 after Apply\n"},
      {"fault-system-height.json", "Host faults declared by the score: loading the measure record SOMS [18, 0] fails.\n",
       "room below: -72\n  facts: system 9 ends 72 EVPU below the bottom margin\n"
       "  message box \"System Load Error\": Internal error while loading staff system.\nPage 3",
       "  FX_LoadEData of the measure record SOMS [18, 0]: call 49 after Apply\n"},
      // An old host that cannot read one staff system: its page fails and keeps
      // its gaps, the other pages are respaced; a page without systems says nothing.
      {"fault-old-system-load.json",
       "Host faults declared by the score: loading the staff-system record (old layout) SOSS [6, 0] fails.\n",
       "Page 1: systems 1-3\n  gaps before: -300 -250 -200   room below: 690\n  gaps after:  0 -718 -718      room below: 4\n"
       "Page 2: systems 4-8\n  gaps before: -300 -250 -200 -150 -100   room below: -520\n"
       "  gaps after:  -300 -250 -200 -150 -100   room below: -520\n"
       "  facts: system 8 ends 520 EVPU below the bottom margin\n"
       "  message box \"System Load Error\": Internal error while loading staff system.\n2 pages, 1 message box",
       "  FX_LoadEData of the staff-system record (old layout) SOSS [6, 0]: call "},
      {"fault-old-lone-system.json",
       "Host faults declared by the score: loading the staff-system record (old layout) SOSS [1, 0] fails.\n",
       "Page 1: no staff systems\nPage 2: system 1\n  gaps before: -400   room below: 2000\n"
       "  gaps after:  -400   room below: 2000\n"
       "  message box \"System Load Error\": Internal error while loading staff system.\n"
       "Page 3: systems 2-4\n  gaps before: -100 -100 -100   room below: 1140\n"
       "  gaps after:  0 -718 -718      room below: 4\n3 pages, 1 message box",
       "  FX_LoadEData of the staff-system record (old layout) SOSS [1, 0]: call "},
      {"fault-no-layout-update.json", "Host faults declared by the score: the host lacks FX_UpdateLayout.\n",
       "  message box \"Is the score updated?\": Error when calculating number of staff systems.\nPage 3: systems 10-12\n"
       "  gaps before: -12 -300 -48   room below: 936\n  gaps after:  -12 -300 -48   room below: 936\n"
       "  message box \"Document Not Updated Error\"",
       ""},
  };
  for (const auto& c : cases) {
    const ProgramRun r = run("respace '" + example(c.score) + "' --pages all --fresh");
    EXPECT_EQ(r.status, 1) << c.score << "\n" << r.out << r.err;
    EXPECT_EQ(r.out.find(c.declared), 0u) << c.score << ": said first\n" << r.out;
    EXPECT_EQ(r.out.find("Host faults declared", 1), std::string::npos) << c.score << ": said once\n" << r.out;
    EXPECT_NE(r.out.find(c.page_and_box), std::string::npos) << c.score << "\n" << r.out;
    if (*c.failed != 0) EXPECT_NE(r.out.find(c.failed), std::string::npos) << c.score << "\n" << r.out;
    else EXPECT_EQ(r.out.find("Host calls made to fail"), std::string::npos) << c.score << "\n" << r.out;
  }
}

// A stored value the dialog cannot show is named with what Apply takes
// instead, and the run uses exactly that: a lone-system choice of 7 marks no
// button, Apply stores "bottom", and the lone system goes to the bottom.
TEST_F(DunvaroSim, TheSettingsBlockSaysWhatApplyTakesForAStoredValueTheDialogCannotShow) {
  std::ofstream(in_dir("registry.txt")) << "key\tHKEY_CURRENT_USER\\Software\\KVPlugins\\KVDunvaro104\n"
                                           "value\t3\t010001000100000002000000000007001e0041000000\tUserDialog\n";
  const ProgramRun r = run("respace '" + example("lone-system.json") + "' --pages 1 --registry '" +
                           in_dir("registry.txt") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(block_line(r.out, "lone system").find("none of the four marked (stored as 7); Apply takes: to the bottom"),
            std::string::npos)
      << r.out;
  EXPECT_NE(block_line(r.out, "include gaps").find("yes (stored as 2; Apply stores 1)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("room below: 1\n"), std::string::npos) << "at the bottom\n" << r.out;
}

// The command line's smaller refusals and the score from standard input.
TEST_F(DunvaroSim, OptionsGoAfterTheCommandAndTheScoreMayComeFromStandardInput) {
  const std::string piano = "'" + example("piano.json") + "'";
  const ProgramRun early = run("--pages 2 respace " + piano);
  EXPECT_EQ(early.status, 2);
  EXPECT_NE(early.err.find("--pages: options go after the command: dunvaro-sim respace ... --pages"), std::string::npos)
      << early.err;
  EXPECT_NE(run("--version dialog " + piano).err.find("--version is given alone"), std::string::npos);
  const ProgramRun piped = run("respace - --pages 2 --fresh", "% < " + piano);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_NE(piped.out.find("Page 2: systems 5-9\n"), std::string::npos) << piped.out;
  std::ofstream(in_dir("empty-pages.json")) << R"({"format": "dunvaro-score", "version": 1, "pages": []})";
  const ProgramRun none = run("respace - --fresh", "% < '" + in_dir("empty-pages.json") + "'");
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("dunvaro-sim: standard input: pages: the score has no pages"), std::string::npos) << none.err;
  EXPECT_NE(run("dialog '" + in_dir("empty-pages.json") + "'").err.find("empty-pages.json: pages: the score has no pages"),
            std::string::npos);
}

}  // namespace
