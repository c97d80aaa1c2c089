// What dunvaro-sim prints about a run: one block per page of the range with
// its systems, their gaps before and after, the room left below them and the
// page's result, then a summary line; and on request the host calls.
#ifndef SIM_CLI_RUN_REPORT_H
#define SIM_CLI_RUN_REPORT_H

#include <cstdint>
#include <string>

#include "sim/cli/plugin_run.h"

namespace cli {

// Pages whose result asks for no message: processed, or holding no system.
bool page_processed(int16_t result);
bool every_page_processed(const RunOutcome& outcome);

// "processed", "no staff systems", "not processed: ..." for a result code.
std::string result_text(int16_t result);

std::string page_report(const RunOutcome& outcome);
std::string calls_table(const RunOutcome& outcome);

}  // namespace cli

#endif
