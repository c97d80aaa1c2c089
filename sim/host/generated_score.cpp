#include "sim/host/generated_score.h"

#include <vector>

namespace sim {

void add_generated_score(Host& host, int pages, int systemsPerPage, int staves) {
  std::vector<InstrumentListEntry> list;
  for (int i = 0; i < staves; ++i) {
    list.push_back(InstrumentListEntry{int16_t(i + 1), 0, -144 * i});
    host.add_staff(int16_t(i + 1));
  }
  host.add_instrument_list(0, list);
  Page page;
  page.flags = 0x0002;
  page.percent = 35;
  for (int p = 0; p < pages; ++p) {
    host.add_page(page);
    for (int s = 0; s < systemsPerPage; ++s) {
      StaffSystem system;
      system.page = int16_t(p + 1);
      system.top_margin = -48;
      system.bottom_margin = -192;
      system.first_measure = int16_t(host.score().systems.size() + 1);
      system.next_measure = int16_t(system.first_measure + 1);
      system.gap = int16_t(-((p * 37 + s * 53) % 240));
      host.add_system(system);
      host.add_measure();
    }
  }
}

}  // namespace sim
