#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "toolkit/keyed_records.h"
#include "toolkit/page_layout.h"

bool FTX_LoadPageSpec(int16_t page, EDTPageSpec* pageRecord) {
  return FTX_LoadOther(kTagPageSpec, static_cast<uint16_t>(page), 0, pageRecord, kFtxPageSpecSize, kFxInterfaceVersion);
}
