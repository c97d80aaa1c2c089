// Record tags that cross the host boundary. A tag is four characters read most
// significant first: 0x534F5053 is 'SOPS'. Shared by the plug-in and the
// simulated host; layouts are not (each side has its own reading of the bytes).
#ifndef KV_HOST_RECORD_TAGS_H
#define KV_HOST_RECORD_TAGS_H

#include <cstdint>

constexpr uint32_t fx_tag(char a, char b, char c, char d) {
  return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8) |
         uint32_t(uint8_t(d));
}

constexpr uint32_t kTagPageSpec = fx_tag('S', 'O', 'P', 'S');             // 22 bytes
constexpr uint32_t kTagStaffSystemOld = fx_tag('S', 'O', 'S', 'S');       // 20 bytes
constexpr uint32_t kTagStaffSystemCurrent = 0x4F025353u;                  // 24 bytes
constexpr uint32_t kTagInstrumentList = fx_tag('S', 'O', 'I', 'u');       // 24 bytes
constexpr uint32_t kTagStaff = fx_tag('S', 'O', 'I', 'S');                // 66 bytes
constexpr uint32_t kTagMeasure = fx_tag('S', 'O', 'M', 'S');              // 66 bytes
constexpr uint32_t kTagTextExpressionDef = fx_tag('S', 'O', 'D', 'T');    // 14-byte probes
constexpr uint32_t kTagShapeExpressionDef = fx_tag('o', 't', 'D', 'O');   // 12-byte probes
constexpr uint32_t kTagArticulationDef = 0x4F044958u;                     // 48-byte probes
constexpr uint32_t kTagTextBlock = fx_tag('S', 'O', 'T', 'X');
constexpr uint32_t kTagGfhold = fx_tag('S', 'D', 'G', 'F');
constexpr uint32_t kTagStaffSpec = fx_tag('S', 'O', 'S', 'D');
constexpr uint32_t kTagStaffSpecOther = fx_tag('o', 't', 'S', 'D');
constexpr uint32_t kTagCompatibleArticulation = 0x4F096649u;
constexpr uint32_t kTagPartOther = fx_tag('o', 't', '2', '3');            // extracted part in use
constexpr uint32_t kTagFlagsOther = fx_tag('o', 't', 'F', 'I');           // avoid-collision option
constexpr uint32_t kTagGeneralPrefs = fx_tag('p', 'f', 'g', 'p');         // measurement unit

// Other records (0x6F74xxxx): six signed 16-bit words. Preference records: 0x7066xxxx.
constexpr uint32_t kOtherTagBase = 0x6F740000u;
constexpr uint32_t kPrefTagBase = 0x70660000u;
constexpr int32_t kOtherRecordSize = 12;

#endif
