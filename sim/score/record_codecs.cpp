// The tags the score model structures, one line each.
#include "host/record_tags.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

#define SIM_CODEC(tag, record) {tag, load_##record, save_##record}

const RecordCodec kCodecs[] = {
    SIM_CODEC(kTagPageSpec, page_record),
    SIM_CODEC(kTagStaffSystemOld, staff_system_record),
    SIM_CODEC(kTagStaffSystemCurrent, staff_system_record),
    SIM_CODEC(kTagInstrumentList, instrument_list_record),
    SIM_CODEC(kTagStaff, staff_record),
    SIM_CODEC(kTagMeasure, measure_record),
    SIM_CODEC(kTagTextExpressionDef, definition_record),
    SIM_CODEC(kTagShapeExpressionDef, definition_record),
    SIM_CODEC(kTagArticulationDef, definition_record),
};

#undef SIM_CODEC

}  // namespace

const RecordCodec* find_record_codec(uint32_t tag) {
  for (const RecordCodec& codec : kCodecs)
    if (codec.tag == tag) return &codec;
  return nullptr;
}

}  // namespace sim
