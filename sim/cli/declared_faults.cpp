#include "sim/cli/declared_faults.h"

#include "host/record_tags.h"
#include "sim/host/exports.h"
#include "sim/score/score_file_json.h"

namespace cli {
namespace {

struct RecordName {
  uint32_t tag;
  const char* name;
};

// The records a respacing run reads, by what an engraver knows them as.
constexpr RecordName kRecordNames[] = {
    {kTagPageSpec, "page record"},
    {kTagStaffSystemCurrent, "staff-system record"},
    {kTagStaffSystemOld, "staff-system record (old layout)"},
    {kTagInstrumentList, "staff list record"},
    {kTagStaff, "staff record"},
    {kTagMeasure, "measure record"},
};

std::string record_text(uint32_t tag, int16_t first, int16_t second) {
  std::string text = sim::tag_text(tag) + " [" + std::to_string(first) + ", " + std::to_string(second) + "]";
  for (const RecordName& row : kRecordNames)
    if (row.tag == tag) return std::string("the ") + row.name + " " + text;
  return "record " + text;
}

std::string record_fault_text(const sim::RecordFault& fault) {
  const char* what = fault.load && fault.save ? "loading and saving " : fault.load ? "loading " : "saving ";
  return what + record_text(fault.tag, fault.first, fault.second) + " fails";
}

}  // namespace

sim::InstallOptions install_options(const sim::DeclaredFaults& faults) {
  sim::InstallOptions options;
  options.omitted_exports.insert(faults.missing_functions.begin(), faults.missing_functions.end());
  return options;
}

void arm_records(const sim::DeclaredFaults& faults, sim::HostFaults& host_faults) {
  for (const sim::RecordFault& fault : faults.records) host_faults.fail_record(fault);
}

void arm_calls(const sim::DeclaredFaults& faults, sim::HostFaults& host_faults) {
  host_faults.start_counting();
  for (int64_t call : faults.failing_calls) host_faults.fail_call(call);
}

std::string declared_faults_note(const sim::DeclaredFaults& faults) {
  if (faults.empty()) return "";
  std::string text;
  const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
  for (const sim::RecordFault& fault : faults.records) add(record_fault_text(fault));
  for (const std::string& name : faults.missing_functions) add("the host lacks " + name);
  if (!faults.failing_calls.empty()) {
    std::string numbers;
    for (size_t i = 0; i < faults.failing_calls.size(); ++i)
      numbers += (i == 0 ? "" : i + 1 == faults.failing_calls.size() ? " and " : ", ") +
                 std::to_string(faults.failing_calls[i]);
    add(faults.failing_calls.size() == 1 ? "host call " + numbers + " after Apply fails"
                                         : "host calls " + numbers + " after Apply fail");
  }
  return "Host faults declared by the score: " + text + ".";
}

std::string failed_call_text(const sim::FailedCall& call) {
  const std::string name = sim::export_table()[call.index].name;
  if (call.tag == 0) return name;
  return name + " of " + record_text(call.tag, call.first, call.second);
}

}  // namespace cli
