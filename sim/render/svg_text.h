// Text as it may stand in an SVG document's character data and attribute
// values: the four characters XML gives a meaning there are escaped.
#ifndef SIM_RENDER_SVG_TEXT_H
#define SIM_RENDER_SVG_TEXT_H

#include <string>

namespace sim {

inline std::string svg_escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace sim

#endif
