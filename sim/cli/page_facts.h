// The facts line under a page of the report: what an engraver would not
// accept in the page's result, with its numbers (sim/render/page_problems.h),
// and for a page that raised a message box, the systems whose gaps differ from
// before all the same (the plug-in could not put them back).
#ifndef SIM_CLI_PAGE_FACTS_H
#define SIM_CLI_PAGE_FACTS_H

#include <string>

#include "sim/render/page_geometry.h"

namespace cli {

// "  facts: ...\n", or "" when there is nothing to say.
std::string page_facts_line(const sim::PageGeometry& before, const sim::PageGeometry& after, bool failed);

}  // namespace cli

#endif
