// What dunvaro-sim prints about a run: one block per page of the range with
// its systems, their gaps before and after, the room left below them and the
// message box the page raised, then a summary line; and on request the host's
// conversation with the plug-in, step by step, and the host calls that the
// score's declared faults made fail.
#ifndef SIM_CLI_RUN_REPORT_H
#define SIM_CLI_RUN_REPORT_H

#include <string>

#include "sim/cli/plugin_run.h"
#include "sim/render/page_geometry.h"

namespace cli {

// What the drawing notes under a page (UTF-8): the box it raised, or "no message".
// A page's gaps in system order, separated by spaces: "0 -59 -59".
std::string gap_list(const sim::PageGeometry& page);

std::string page_note(const PageOutcome& page);
// A message box as the reports print it, `"caption": text`, in UTF-8.
std::string box_quote(const ShownBox& box);

std::string page_report(const RunOutcome& outcome);
std::string calls_table(const std::vector<CallStep>& steps);
// One step of calls_table: its title and call count, then its calls.
std::string call_step_lines(const CallStep& step);
// The host calls that failed because the score declared faults, one line per
// call and record with the numbers of its failed calls; "" when the score
// declares no failing record or call number and none failed.
std::string failed_calls_report(const sim::DeclaredFaults& declared, const std::vector<FailedHostCall>& failed);

}  // namespace cli

#endif
