#include "host/version_correction.h"

#include <cstddef>

#include "host/fx_entries.h"
#include "host/record_tags.h"

namespace {

enum VersionRule {
  kSetTo,             // the version becomes `value`
  kRaiseTo,           // a version below `value` becomes `value`
  kLowerTo,           // a version above `value` becomes `value`
  kWarnAndRaiseTo,    // a version below `value`: warn, then it becomes `value`
};

struct VersionCorrection {
  uint32_t tag;
  int32_t size;
  VersionRule rule;
  uint32_t value;
  const char* warning;
};

const VersionCorrection kVersionCorrections[] = {
    {fx_tag('S', 'O', 'M', 'S'), 26, kRaiseTo, 0x0A000000u, nullptr},
    {fx_tag('S', 'O', 'M', 'S'), 24, kSetTo, 0x09000000u, nullptr},
    {fx_tag('S', 'O', 'S', 'S'), 28, kRaiseTo, 0x0A000000u, nullptr},
    {fx_tag('S', 'O', 'S', 'S'), 24, kRaiseTo, 0x06000000u, nullptr},
    {fx_tag('S', 'O', 'S', 'S'), 22, kSetTo, 0x05000000u, nullptr},
    {kTagStaffSystemCurrent, 28, kRaiseTo, 0x0A000000u, nullptr},
    {kTagStaffSystemCurrent, 24, kRaiseTo, 0x06000000u, nullptr},
    {kTagStaffSystemCurrent, 22, kSetTo, 0x05000000u, nullptr},
    {fx_tag('S', 'O', 'I', 'S'), 66, kSetTo, 0x05000000u, nullptr},
    {fx_tag('S', 'O', 'I', 'S'), 102, kSetTo, 0x08000000u, nullptr},
    {fx_tag('S', 'O', 'T', 'X'), 48, kLowerTo, 0x08000000u, nullptr},
    {fx_tag('S', 'O', 'T', 'X'), 26, kWarnAndRaiseTo, 0x09000000u,
     "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter"},
    {fx_tag('o', 't', 'D', 'O'), 12, kLowerTo, 0x08000000u, nullptr},
    {fx_tag('o', 't', 'D', 'O'), 34, kWarnAndRaiseTo, 0x09000000u,
     "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter"},
    {fx_tag('S', 'D', 'G', 'F'), 12, kLowerTo, 0x08000000u, nullptr},
    {fx_tag('S', 'D', 'G', 'F'), 10, kWarnAndRaiseTo, 0x09000000u,
     "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter"},
};

void apply(const VersionCorrection& row, uint32_t& version) {
  switch (row.rule) {
    case kSetTo:
      version = row.value;
      break;
    case kRaiseTo:
      if (version < row.value) version = row.value;
      break;
    case kLowerTo:
      if (version > row.value) version = row.value;
      break;
    case kWarnAndRaiseTo:
      if (version < row.value) {
        FX_AlertMessage(0, 0, 0, fx_word(row.warning), FxWord(kFxInterfaceVersion));
        version = row.value;
      }
      break;
  }
}

}  // namespace

void HandleEnigmaVersion(uint32_t& tag, int32_t size, uint32_t& version) {
  if (size == 0) return;
  for (const VersionCorrection& row : kVersionCorrections) {
    if (row.tag == tag && row.size == size) {
      apply(row, version);
      return;
    }
  }
}
