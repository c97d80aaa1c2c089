#include "sim/cli/cli_options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

namespace cli {
namespace {

// Splits "--name=value" and takes the value from the next word otherwise.
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}

  bool done() const { return next_ >= args_.size(); }

  // The next word; for "--name=value" the name, with the value kept for value().
  std::string take() {
    std::string word = args_[next_++];
    inline_value_.clear();
    has_inline_ = false;
    const size_t equals = word.find('=');
    if (word.rfind("--", 0) == 0 && equals != std::string::npos) {
      inline_value_ = word.substr(equals + 1);
      has_inline_ = true;
      word.resize(equals);
    }
    current_ = word;
    return word;
  }

  std::string value() {
    if (has_inline_) {
      has_inline_ = false;
      return inline_value_;
    }
    if (done()) throw UsageError(current_ + " needs a value");
    return args_[next_++];
  }

  void no_value() const {
    if (has_inline_) throw UsageError(current_ + " takes no value");
  }

 private:
  const std::vector<std::string>& args_;
  size_t next_ = 0;
  std::string current_;
  std::string inline_value_;
  bool has_inline_ = false;
};

bool parse_int(const std::string& text, long* value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  *value = std::strtol(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0';
}

int integer_option(const std::string& name, const std::string& text) {
  long value = 0;
  if (!parse_int(text, &value) || value < INT16_MIN || value > INT16_MAX)
    throw UsageError(name + ": expected a whole number of EVPU, found \"" + text + "\"");
  return int(value);
}

PageChoice page_choice(const std::string& text) {
  PageChoice choice;
  if (text == "all") return choice;
  if (text == "current") {
    choice.kind = PageChoice::CURRENT;
    return choice;
  }
  choice.kind = PageChoice::RANGE;
  const size_t dash = text.find('-', 1);
  long first = 0;
  long last = 0;
  bool ok = false;
  if (dash == std::string::npos) {
    ok = parse_int(text, &first);
    last = first;
  } else {
    ok = parse_int(text.substr(0, dash), &first) && parse_int(text.substr(dash + 1), &last);
  }
  if (!ok || first < INT16_MIN || first > INT16_MAX || last < INT16_MIN || last > INT16_MAX)
    throw UsageError("--pages: expected all, current, a page or a range such as 2-5, found \"" + text + "\"");
  choice.first = int(first);
  choice.last = int(last);
  return choice;
}

int single_choice(const std::string& text) {
  static const std::map<std::string, int> kNames = {
      {"leave", 0}, {"top", 1}, {"center", 2}, {"centre", 2}, {"bottom", 3}};
  auto named = kNames.find(text);
  if (named != kNames.end()) return named->second;
  long value = 0;
  if (!parse_int(text, &value) || value < INT16_MIN || value > INT16_MAX)
    throw UsageError("--single: expected leave, top, center, bottom or a number, found \"" + text + "\"");
  return int(value);
}

}  // namespace

RespaceCommand parse_respace_args(const std::vector<std::string>& args) {
  RespaceCommand command;
  RespaceSettings& s = command.settings;
  ArgReader reader(args);
  auto flag = [&reader](bool* target) {
    reader.no_value();
    *target = true;
  };
  const std::map<std::string, std::function<void()>> options = {
      {"--pages", [&] { s.pages = page_choice(reader.value()); }},
      {"--extra-top", [&] { s.extra_top = integer_option("--extra-top", reader.value()); }},
      {"--extra-bottom", [&] { s.extra_bottom = integer_option("--extra-bottom", reader.value()); }},
      {"--keep-topmost", [&] { flag(&s.keep_topmost); }},
      {"--include-gaps", [&] { flag(&s.include_gaps); }},
      {"--compact", [&] { flag(&s.compact); }},
      {"--single", [&] { s.single_systems = single_choice(reader.value()); }},
      {"-o", [&] { command.output_path = reader.value(); }},
      {"--output", [&] { command.output_path = reader.value(); }},
      {"--svg", [&] { command.svg_path = reader.value(); }},
      {"--calls", [&] { flag(&command.show_calls); }},
  };
  while (!reader.done()) {
    const std::string word = reader.take();
    auto option = options.find(word);
    if (option != options.end()) {
      option->second();
    } else if (word.size() > 1 && word[0] == '-') {
      throw UsageError("unknown option " + word);
    } else if (command.score_path.empty()) {
      command.score_path = word;
    } else {
      throw UsageError("one score file at a time; found \"" + command.score_path + "\" and \"" + word + "\"");
    }
  }
  if (command.score_path.empty()) throw UsageError("respace needs a score file");
  return command;
}

DemoCommand parse_demo_args(const std::vector<std::string>& args) {
  DemoCommand command;
  ArgReader reader(args);
  while (!reader.done()) {
    const std::string word = reader.take();
    if (word == "--out") {
      command.out_dir = reader.value();
    } else if (word == "--calls") {
      reader.no_value();
      command.show_calls = true;
    } else {
      throw UsageError("demo: unknown argument " + word);
    }
  }
  if (command.out_dir.empty()) throw UsageError("--out needs a directory");
  return command;
}

std::string usage_text() {
  return R"(usage: dunvaro-sim respace SCORE.json [options]
       dunvaro-sim demo [--out DIR] [--calls]

respace runs the plug-in's page driver over a score file in the simulated host,
prints the host alerts and message boxes the plug-in raises as they come, and
then reports what it did with each page.

  --pages all|current|N|A-B  pages to respace (default all; current: the page
                             the score's view shows, which must be page view)
  --extra-top EVPU           extra space below the top margin (-100..700,
                             0..700 when the score avoids collisions)
  --extra-bottom EVPU        extra space kept above the bottom margin (0..300)
  --keep-topmost             the topmost system of each page keeps its gap
  --include-gaps             count the existing gaps in
  --compact                  pack the systems instead of spreading them
  --single leave|top|center|bottom
                             where a page's lone system goes (default center)
  -o, --output FILE          write the respaced score
  --svg FILE                 draw every respaced page before and after
  --calls                    list the host calls of the run by function

demo respaces the built-in demo score and writes demo-score.json,
demo-respaced.json and demo.svg into DIR (default build/demo).

Exit status: 0 when every page was processed, 1 when a page was not (its
message box is printed), 2 when the command, the score file or an output
file was at fault; then nothing is written.
)";
}

}  // namespace cli
