// Text from the Windows side of the simulator as UTF-8. Window texts and
// message boxes hold what the plug-in wrote: bytes of the Windows-1252 code
// page (its dictionary is kept in that code page), which a terminal or an SVG
// file reading UTF-8 would show as garbage or refuse.
#ifndef SIM_RENDER_WINDOWS_1252_H
#define SIM_RENDER_WINDOWS_1252_H

#include <string>

namespace sim {

// Each byte as the character Windows-1252 gives it; the five bytes the code
// page leaves undefined become U+FFFD.
std::string utf8_from_windows_1252(const std::string& text);

}  // namespace sim

#endif
