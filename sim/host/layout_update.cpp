// FX_UpdateLayout(page, 0, version): the host lays out `page` and every page
// after it (from page 1 when `page` is below 1), so their page records show
// their first systems again. Answers 1.
#include "sim/host/sim_host.h"

namespace sim {

void add_layout_update_function(Host& host) {
  host.set_builtin("FX_UpdateLayout", [&host](const Args& a) -> FxWord {
    const int16_t page = int16_t(a[0]);
    host.record_layout_update(page);
    std::vector<Page>& pages = host.score().pages;
    for (size_t i = page < 1 ? 0 : size_t(page) - 1; i < pages.size(); ++i) pages[i].laid_out = true;
    return 1;
  });
}

}  // namespace sim
