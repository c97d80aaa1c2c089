#include "sim/cli/page_facts.h"

#include <map>

#include "sim/render/page_problems.h"

namespace cli {
namespace {

std::string number_list(const std::vector<int16_t>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i)
    text += (i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ") + std::to_string(numbers[i]);
  return text;
}

std::string overflow_fact(const sim::Overflow& o) {
  if (o.first == o.last)
    return "system " + std::to_string(o.last) + " ends " + std::to_string(o.below) + " EVPU below the bottom margin";
  return "systems " + std::to_string(o.first) + "-" + std::to_string(o.last) + " end below the bottom margin, " +
         std::to_string(o.last) + " by " + std::to_string(o.below) + " EVPU";
}

std::string too_tall_fact(const sim::TooTall& t) {
  return "system " + std::to_string(t.system) + " is " + std::to_string(t.height) + " EVPU tall, " +
         std::to_string(t.height - t.room) + " more than the " + std::to_string(t.room) +
         " EVPU between the margins";
}

std::string overlap_fact(const sim::Overlap& o) {
  return "the staves of systems " + std::to_string(o.upper) + " and " + std::to_string(o.lower) + " overlap by " +
         std::to_string(o.by) + " EVPU";
}

// The systems of a failed page whose gap is not the one they had.
std::vector<int16_t> changed_systems(const sim::PageGeometry& before, const sim::PageGeometry& after) {
  std::map<int16_t, int16_t> gap_before;
  for (const sim::SystemBox& box : before.systems) gap_before[box.number] = box.gap;
  std::vector<int16_t> changed;
  for (const sim::SystemBox& box : after.systems) {
    const auto was = gap_before.find(box.number);
    if (was != gap_before.end() && was->second != box.gap) changed.push_back(box.number);
  }
  return changed;
}

}  // namespace

std::string page_facts_line(const sim::PageGeometry& before, const sim::PageGeometry& after, bool failed) {
  const sim::PageProblems problems = sim::page_problems(after);
  std::vector<std::string> facts;
  if (problems.overflow) facts.push_back(overflow_fact(*problems.overflow));
  for (const sim::TooTall& t : problems.too_tall) facts.push_back(too_tall_fact(t));
  for (const sim::Overlap& o : problems.overlaps) facts.push_back(overlap_fact(o));
  if (failed) {
    const std::vector<int16_t> changed = changed_systems(before, after);
    if (!changed.empty())
      facts.push_back("although the page failed, " + std::string(changed.size() == 1 ? "system " : "systems ") +
                      number_list(changed) + (changed.size() == 1 ? " keeps a new gap" : " keep a new gap"));
  }
  if (facts.empty()) return "";
  std::string line = "  facts: ";
  for (size_t i = 0; i < facts.size(); ++i) line += (i == 0 ? "" : "; ") + facts[i];
  return line + "\n";
}

}  // namespace cli
