// The host faults a score file declares (sim::DeclaredFaults), put into the
// simulated host for one run of dunvaro-sim and told to the reader.
//
// Protocol: install the host with install_options() (the functions the host
// lacks are left out of its exports), arm_records() before the plug-in is
// loaded, and arm_calls() just before Apply is pressed: the failing call
// numbers count from there. The plug-in looks up each host function once per
// process, so a left-out function stays missing for the rest of the process;
// dunvaro-sim runs the plug-in once per process.
#ifndef SIM_CLI_DECLARED_FAULTS_H
#define SIM_CLI_DECLARED_FAULTS_H

#include <string>

#include "sim/host/host_faults.h"
#include "sim/host/sim_host.h"
#include "sim/score/score_file.h"

namespace cli {

sim::InstallOptions install_options(const sim::DeclaredFaults& faults);
void arm_records(const sim::DeclaredFaults& faults, sim::HostFaults& host_faults);
// Restarts the host's call count and arms the failing call numbers.
void arm_calls(const sim::DeclaredFaults& faults, sim::HostFaults& host_faults);

// One line naming every declared fault, "" when none is declared.
std::string declared_faults_note(const sim::DeclaredFaults& faults);
// A failed call as a reader sees it: "FX_LoadEData of the page record SOPS [2, 0]".
std::string failed_call_text(const sim::FailedCall& call);

}  // namespace cli

#endif
