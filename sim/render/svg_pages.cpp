#include "sim/render/svg_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/render/page_geometry.h"
#include "sim/render/page_problems.h"
#include "sim/render/svg_text.h"

namespace sim {
namespace {

constexpr double kBorder = 120;      // around the whole drawing
constexpr double kColumnGap = 300;   // between the before and after pages
constexpr double kRowHeader = 260;   // page number, note and column labels above a row
constexpr double kRowGap = 200;      // below a row
constexpr double kTitleHeight = 160;
constexpr double kLegendHeight = 210;
constexpr double kPixelsPerEvpu = 1.0 / 6;

// Each mark of the legend has a class of its own ("key-...") styled as the
// mark it stands for.
const char kStyle[] =
    ".page,.key-page{fill:#fff;stroke:#222;stroke-width:6}"
    ".margins,.key-margins{fill:none;stroke:#7a86b8;stroke-width:4;stroke-dasharray:24 14}"
    ".extra-margin,.key-extra{fill:#f5b041;fill-opacity:0.35;stroke:none}"
    ".system,.key-system,.key-overflow{fill:#eef3f8;stroke:#9fb6cc;stroke-width:3}"
    ".system.overflow,.key-overflow{fill:#f9dcd9;stroke:#a93226}"
    ".staff{stroke:#111;stroke-width:3}.barline{stroke:#111;stroke-width:6}"
    ".gap,.key-gap{stroke:#c0392b;stroke-width:4}.gap-value{font-size:44px;fill:#c0392b;text-anchor:end}"
    ".overlap,.key-overlap{fill:#8e44ad;fill-opacity:0.45;stroke:#8e44ad;stroke-width:3}"
    ".problem{font-size:46px;font-weight:bold;fill:#a93226}.problem-back{fill:#fff;fill-opacity:0.85}"
    "text{font-family:sans-serif;fill:#222}"
    ".heading{font-size:90px;font-weight:bold}.label{font-size:64px}.number{font-size:50px;fill:#1f4e79}"
    ".legend{font-size:50px}";

std::string num(double value) {
  if (std::fabs(value - std::round(value)) < 0.005) return std::to_string(int64_t(std::llround(value)));
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  return s;
}

std::string escaped(const std::string& text) { return sim::svg_escaped(text); }

std::string rect(const char* cls, double x, double y, double w, double h, const std::string& inner = "") {
  std::string out = std::string("<rect class=\"") + cls + "\" x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" +
                    num(std::max(w, 0.0)) + "\" height=\"" + num(std::max(h, 0.0)) + "\"";
  return inner.empty() ? out + "/>\n" : out + ">" + inner + "</rect>\n";
}

std::string text(const char* cls, double x, double y, const std::string& content) {
  return std::string("<text class=\"") + cls + "\" x=\"" + num(x) + "\" y=\"" + num(y) + "\">" + escaped(content) +
         "</text>\n";
}

// A band of `size` EVPU from the line at `at` towards `direction` (+1 down,
// -1 up); a negative size lies on the other side of the line.
std::string band(const PageGeometry& g, double at, double size, int direction) {
  if (size == 0) return "";
  const double end = at + direction * size;
  return rect("extra-margin", g.margin_left, std::min(at, end), g.margin_right - g.margin_left, std::fabs(size));
}

std::string line(const char* cls, double x1, double y1, double x2, double y2) {
  return std::string("<line class=\"") + cls + "\" x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) +
         "\" y2=\"" + num(y2) + "\"/>\n";
}

// Five lines for each visible staff and a barline joining them at the left.
std::string draw_staves(const SystemBox& box) {
  std::string out;
  for (double top : box.staff_tops)
    for (int i = 0; i < 5; ++i) {
      const double y = top + i * box.staff_height / 4;
      out += line("staff", box.left, y, box.right, y);
    }
  if (!box.staff_tops.empty())
    out += line("barline", box.left, box.staff_tops.front(), box.left, box.staff_tops.back() + box.staff_height);
  return out;
}

// The gap above a system, from the line it is measured from (the top margin
// or the system above) to the system's top, its value in the left margin.
std::string draw_gap(const SystemBox& box, double from) {
  const double x = box.left - 14;
  std::string out = line("gap", x, from, x, box.top);
  out += line("gap", x - 10, from, x + 10, from) + line("gap", x - 10, box.top, x + 10, box.top);
  return out + text("gap-value", x - 14, (from + box.top) / 2 + 16, std::to_string(box.gap));
}

std::string draw_system(const PageGeometry& g, const SystemBox& box) {
  const bool overflow = box.bottom > g.margin_bottom;
  const std::string tip = "<title>System " + std::to_string(box.number) + ": gap " + std::to_string(box.gap) +
                          ", height " + std::to_string(box.height) + ", " + std::to_string(box.visible_staves) +
                          (box.visible_staves == 1 ? " visible staff" : " visible staves") + "</title>";
  std::string out = rect(overflow ? "system overflow" : "system", box.left, box.top, box.right - box.left,
                         box.bottom - box.top, tip);
  out += draw_staves(box);
  out += text("number", box.right + 16, (box.top + box.bottom) / 2 + 18, std::to_string(box.number));
  return out;
}

// The page's problems (page_problems.h) over the drawing: the overlapping
// staves as purple bands, and a line of red text per problem at the foot of
// the page (inside it, as the drawing is cut at the page's edge).
std::string draw_problems(const PageGeometry& g) {
  const PageProblems problems = page_problems(g);
  std::string out;
  std::vector<std::string> lines;
  for (const Overlap& o : problems.overlaps) {
    const SystemBox& lower = g.systems[size_t(o.lower - g.systems.front().number)];
    const double top = *std::min_element(lower.staff_tops.begin(), lower.staff_tops.end());
    out += rect("overlap", g.margin_left, top, g.margin_right - g.margin_left, double(o.by));
    lines.push_back("staves of " + std::to_string(o.upper) + " and " + std::to_string(o.lower) + " overlap by " +
                    std::to_string(o.by));
  }
  for (const TooTall& t : problems.too_tall)
    lines.push_back("system " + std::to_string(t.system) + " is " + std::to_string(t.height) + " tall, room " +
                    std::to_string(t.room));
  if (problems.overflow)
    lines.push_back("\u25BC system " + std::to_string(problems.overflow->last) + " ends " +
                    std::to_string(problems.overflow->below) + " below the bottom margin");
  const double step = 56;
  double y = g.height - 24 - step * double(lines.size() - 1);
  if (!lines.empty()) out += rect("problem-back", 8, y - step + 6, g.width - 16, step * double(lines.size()) + 12);
  for (const std::string& l : lines) {
    out += text("problem", 24, y, l);
    y += step;
  }
  return out;
}

std::string draw_page(const PageGeometry& g, const SvgOptions& options, double x, double y, const std::string& clip) {
  std::string out = "<g transform=\"translate(" + num(x) + "," + num(y) + ")\">\n";
  // Systems far below the page would reach into the next row: the drawing
  // stops at the page's edge and the problems say how far they go.
  out += "<clipPath id=\"" + clip + "\"><rect x=\"-1\" y=\"-1\" width=\"" + num(g.width + 2) + "\" height=\"" +
         num(g.height + 2) + "\"/></clipPath>\n<g clip-path=\"url(#" + clip + ")\">\n";
  out += rect("page", 0, 0, g.width, g.height);
  out += rect("margins", g.margin_left, g.margin_top, g.margin_right - g.margin_left, g.margin_bottom - g.margin_top);
  out += band(g, g.margin_top, options.extra_top, +1);
  out += band(g, g.margin_bottom, options.extra_bottom, -1);
  double above = g.margin_top;
  for (const SystemBox& box : g.systems) {
    out += draw_system(g, box);
    out += draw_gap(box, above);
    above = box.bottom;
  }
  out += draw_problems(g);
  return out + "</g>\n</g>\n";
}

// What the colours and lines mean, in two rows: each mark drawn
// as on the pages, with its meaning beside it.
std::string svg_legend(double x, double y) {
  std::string out;
  const double h = 60;
  const double rows[2] = {y + 20, y + 20 + h + 24};
  const struct {
    int row;
    double at;
    const char* mark;
    const char* meaning;
  } kEntries[] = {
      {0, 0, "key-page", "page edge"},
      {0, 560, "key-margins", "page margins (dashed)"},
      {0, 1380, "key-extra", "the run's extra margins"},
      {0, 2240, "key-system", "staff system, its number right"},
      {1, 0, "key-overflow", "system past the bottom margin"},
      {1, 910, "", "gap above a system (EVPU; negative: down)"},
      {1, 2240, "key-overlap", "overlapping staves"},
  };
  for (const auto& e : kEntries) {
    const double top = rows[e.row];
    out += *e.mark != '\0' ? rect(e.mark, x + e.at, top, 90, h) : line("key-gap", x + e.at + 45, top, x + e.at + 45, top + h);
    out += text("legend", x + e.at + 110, top + h - 14, e.meaning);
  }
  return out;
}

struct Row {
  int16_t page;
  const Score* sides[2];
  double height;
};

}  // namespace

std::string before_after_svg(const Score& before, const Score& after, uint32_t host_version,
                             const SvgOptions& options) {
  const int16_t last = int16_t(std::min<size_t>(std::max(before.pages.size(), after.pages.size()),
                                                size_t(std::max<int16_t>(options.last_page, 0))));
  std::vector<Row> rows;
  double column_width = 0;
  for (int page = std::max<int16_t>(options.first_page, 1); page <= last; ++page) {
    Row row{int16_t(page), {nullptr, nullptr}, 0};
    const Score* scores[2] = {&before, &after};
    for (int side = 0; side < 2; ++side) {
      if (size_t(page) > scores[side]->pages.size()) continue;
      row.sides[side] = scores[side];
      const Page& p = scores[side]->pages[size_t(page) - 1];
      column_width = std::max(column_width, double(p.width));
      row.height = std::max(row.height, double(p.height));
    }
    rows.push_back(row);
  }
  const double width = 2 * kBorder + 2 * column_width + kColumnGap;
  double height = 2 * kBorder + kTitleHeight + kLegendHeight;
  for (const Row& row : rows) height += kRowHeader + row.height + kRowGap;

  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(std::ceil(width * kPixelsPerEvpu)) +
                    "\" height=\"" + num(std::ceil(height * kPixelsPerEvpu)) + "\" viewBox=\"0 0 " + num(width) +
                    " " + num(height) + "\">\n<style>" + kStyle + "</style>\n";
  out += "<rect x=\"0\" y=\"0\" width=\"" + num(width) + "\" height=\"" + num(height) + "\" fill=\"#f4f4f4\"/>\n";
  out += text("heading", kBorder, kBorder + 90, options.title);
  double y = kBorder + kTitleHeight;
  for (const Row& row : rows) {
    std::string heading = "Page " + std::to_string(row.page);
    auto note = options.notes.find(row.page);
    if (note != options.notes.end()) heading += ": " + note->second;
    out += text("heading", kBorder, y + 90, heading);
    const char* labels[2] = {"before", "after"};
    for (int side = 0; side < 2; ++side) {
      const double x = kBorder + side * (column_width + kColumnGap);
      out += text("label", x, y + kRowHeader - 40, labels[side]);
      if (row.sides[side] == nullptr) continue;
      out += draw_page(page_geometry(*row.sides[side], host_version, row.page), options, x, y + kRowHeader,
                       "page-" + std::to_string(row.page) + "-" + labels[side]);
    }
    y += kRowHeader + row.height + kRowGap;
  }
  // Under the last page, so that the pages stand where they always did.
  out += svg_legend(kBorder, y - kRowGap / 2);
  return out + "</svg>\n";
}

}  // namespace sim
