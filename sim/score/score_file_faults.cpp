// "host_faults" in score files: the faults the simulated host injects when the
// plug-in runs on the score.
//   "host_faults": {
//     "records": [{"tag": "SOPS", "key": [2, 0], "load": true}],
//     "missing_functions": ["FX_UpdateLayout"],
//     "failing_calls": [12]
//   }
// A record's tag is four characters, "0x" and eight hexadecimal digits, or a
// number. Function names are checked against the host's functions. Nothing
// may be given twice, so that a file says each fault once.
#include <algorithm>
#include <cstdint>

#include "sim/host/exports.h"
#include "sim/score/score_file_json.h"

namespace sim {
namespace {

uint32_t read_fault_tag(const JsonPlace& place) {
  if (place.value().is_number()) return uint32_t(place.unsigned_number(UINT32_MAX));
  return read_tag(place);
}

std::vector<RecordFault> read_record_faults(const JsonPlace& records) {
  records.expect_array();
  std::vector<RecordFault> faults;
  for (size_t i = 0; i < records.size(); ++i) {
    const JsonPlace item = records.element(i);
    item.expect_object({"tag", "key", "load", "save"});
    const RecordKey key = read_key(item.required("key"), read_fault_tag(item.required("tag")));
    RecordFault fault{key.tag, key.first, key.second, false, false};
    read_member(item, "load", fault.load);
    read_member(item, "save", fault.save);
    if (!fault.load && !fault.save) item.fail("give \"load\": true, \"save\": true or both");
    for (size_t j = 0; j < faults.size(); ++j)
      if (faults[j].tag == fault.tag && faults[j].first == fault.first && faults[j].second == fault.second)
        item.fail("this tag and key are already given at " + records.element(j).path());
    faults.push_back(fault);
  }
  return faults;
}

std::vector<std::string> read_missing_functions(const JsonPlace& names) {
  names.expect_array();
  std::vector<std::string> functions;
  for (size_t i = 0; i < names.size(); ++i) {
    const JsonPlace item = names.element(i);
    const std::string name = item.string();
    if (export_index(name) < 0) item.fail("the host has no function \"" + name + "\" to leave out");
    if (std::find(functions.begin(), functions.end(), name) != functions.end()) item.fail(name + " is given twice");
    functions.push_back(name);
  }
  return functions;
}

std::vector<int64_t> read_failing_calls(const JsonPlace& numbers) {
  numbers.expect_array();
  std::vector<int64_t> calls;
  for (size_t i = 0; i < numbers.size(); ++i) {
    const JsonPlace item = numbers.element(i);
    const int64_t call = item.integer(1, INT32_MAX);
    if (std::find(calls.begin(), calls.end(), call) != calls.end())
      item.fail("call " + std::to_string(call) + " is given twice");
    calls.push_back(call);
  }
  return calls;
}

}  // namespace

DeclaredFaults read_host_faults(const JsonPlace& faults) {
  faults.expect_object({"records", "missing_functions", "failing_calls"});
  DeclaredFaults declared;
  if (faults.has("records")) declared.records = read_record_faults(faults.member("records"));
  if (faults.has("missing_functions"))
    declared.missing_functions = read_missing_functions(faults.member("missing_functions"));
  if (faults.has("failing_calls")) declared.failing_calls = read_failing_calls(faults.member("failing_calls"));
  return declared;
}

Json write_host_faults(const DeclaredFaults& faults) {
  Json out = Json::object();
  if (!faults.records.empty()) {
    Json records = Json::array();
    for (const RecordFault& fault : faults.records) {
      Json item{{"tag", tag_text(fault.tag)}, {"key", Json::array({fault.first, fault.second})}};
      if (fault.load) item["load"] = true;
      if (fault.save) item["save"] = true;
      records.push_back(item);
    }
    out["records"] = records;
  }
  if (!faults.missing_functions.empty()) out["missing_functions"] = faults.missing_functions;
  if (!faults.failing_calls.empty()) out["failing_calls"] = faults.failing_calls;
  return out;
}

}  // namespace sim
