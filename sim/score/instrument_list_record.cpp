// Instrument list records 'SOIu', key {list, index}: 24 bytes in every layout
// version, one per staff of the list.
//
// Hosts of 2000 and earlier keep a system's top margin in record 0 of the
// system's instrument list, as the 32-bit field at offset 8. Here that holds
// for a system with a list of its own (flag 0x4000; list numbered like the
// system): the field reads and writes StaffSystem::top_margin. Systems without
// a list of their own share record 0 of the score's list (or list -8), whose
// field at offset 8 is simply that entry's position.
#include "sim/score/field_table.h"
#include "sim/score/host_era.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

constexpr int kListRecordSize = 24;
constexpr uint16_t kOwnListFlag = 0x4000;

const Field<InstrumentListEntry> kEntryFields[] = {
    SIM_FIELD(InstrumentListEntry, "staffNumber", 0, I16, staff),
    SIM_FIELD(InstrumentListEntry, "word2", 2, U16, word2),
    SIM_FIELD(InstrumentListEntry, "staffPosition", 8, I32, position),
};
constexpr int kPositionOffset = 8;

const std::vector<InstrumentListEntry>* list_of(const Score& score, int16_t list) {
  auto found = score.instrument_lists.find(list);
  return found == score.instrument_lists.end() ? nullptr : &found->second;
}

// The system whose top margin record {list, index} holds on an old host, or null.
const StaffSystem* margin_owner(const Score& score, const RecordRequest& request) {
  if (keeps_current_system_layout(request.host_version) || request.second != 0 || request.first < 1) return nullptr;
  if (size_t(request.first) > score.systems.size()) return nullptr;
  const StaffSystem& system = score.systems[size_t(request.first) - 1];
  return (system.flags & kOwnListFlag) != 0 ? &system : nullptr;
}

}  // namespace

std::optional<Bytes> load_instrument_list_record(const Score& score, const RecordRequest& request) {
  const std::vector<InstrumentListEntry>* list = list_of(score, request.first);
  if (list == nullptr || request.second < 0 || size_t(request.second) >= list->size()) return std::nullopt;
  Bytes image = encode_image(kEntryFields, (*list)[size_t(request.second)], kListRecordSize);
  if (const StaffSystem* system = margin_owner(score, request))
    put_u32(&image[kPositionOffset], uint32_t(system->top_margin));
  return image;
}

bool save_instrument_list_record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size) {
  auto found = score.instrument_lists.find(request.first);
  if (found == score.instrument_lists.end() || size != kListRecordSize) return false;
  std::vector<InstrumentListEntry>& list = found->second;
  if (request.second < 0 || size_t(request.second) >= list.size()) return false;
  InstrumentListEntry& entry = list[size_t(request.second)];
  const int32_t position = entry.position;
  decode_fields(kEntryFields, bytes, entry);
  if (margin_owner(score, request) != nullptr) {
    score.systems[size_t(request.first) - 1].top_margin = entry.position;
    entry.position = position;
  }
  return true;
}

}  // namespace sim
