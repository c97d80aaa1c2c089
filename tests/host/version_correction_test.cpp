#include "host/version_correction.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/record_tags.h"
#include "support/sim_host_fixture.h"

namespace {

constexpr uint32_t kSOMS = fx_tag('S', 'O', 'M', 'S');
constexpr uint32_t kSOSS = fx_tag('S', 'O', 'S', 'S');
constexpr uint32_t kSOIS = fx_tag('S', 'O', 'I', 'S');
constexpr uint32_t kSOTX = fx_tag('S', 'O', 'T', 'X');
constexpr uint32_t kotDO = fx_tag('o', 't', 'D', 'O');
constexpr uint32_t kSDGF = fx_tag('S', 'D', 'G', 'F');

const char kTextBlockWarning[] = "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter";
const char kShapeWarning[] = "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter";
const char kGfholdWarning[] = "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter";

struct Case {
  uint32_t tag;
  int32_t size;
  uint32_t in;
  uint32_t out;
  const char* warning;  // null: none
};

const Case kCases[] = {
    {kSOMS, 26, 0x09FFFFFFu, 0x0A000000u, nullptr},
    {kSOMS, 26, 0x05000000u, 0x0A000000u, nullptr},
    {kSOMS, 26, 0x0A000000u, 0x0A000000u, nullptr},
    {kSOMS, 26, 0x0F000200u, 0x0F000200u, nullptr},
    {kSOMS, 24, 0x0F000200u, 0x09000000u, nullptr},
    {kSOMS, 24, 0x05000000u, 0x09000000u, nullptr},
    {kSOMS, 66, 0x05000000u, 0x05000000u, nullptr},
    {kSOSS, 28, 0x05000000u, 0x0A000000u, nullptr},
    {kSOSS, 28, 0x0F000200u, 0x0F000200u, nullptr},
    {kSOSS, 24, 0x05000005u, 0x06000000u, nullptr},
    {kSOSS, 24, 0x08000000u, 0x08000000u, nullptr},
    {kSOSS, 22, 0x0F000200u, 0x05000000u, nullptr},
    {kSOSS, 20, 0x0F000200u, 0x0F000200u, nullptr},
    {kTagStaffSystemCurrent, 28, 0x09FFFFFFu, 0x0A000000u, nullptr},
    {kTagStaffSystemCurrent, 28, 0x0F000200u, 0x0F000200u, nullptr},
    {kTagStaffSystemCurrent, 24, 0x05000005u, 0x06000000u, nullptr},
    {kTagStaffSystemCurrent, 24, 0x0F000200u, 0x0F000200u, nullptr},
    {kTagStaffSystemCurrent, 22, 0x0F000200u, 0x05000000u, nullptr},
    {kSOIS, 66, 0x0F000200u, 0x05000000u, nullptr},
    {kSOIS, 102, 0x05000000u, 0x08000000u, nullptr},
    {kSOTX, 48, 0x0F000200u, 0x08000000u, nullptr},
    {kSOTX, 48, 0x08000000u, 0x08000000u, nullptr},
    {kSOTX, 48, 0x05000000u, 0x05000000u, nullptr},
    {kSOTX, 26, 0x08000000u, 0x09000000u, kTextBlockWarning},
    {kSOTX, 26, 0x08FFFFFFu, 0x09000000u, kTextBlockWarning},
    {kSOTX, 26, 0x09000000u, 0x09000000u, nullptr},
    {kSOTX, 26, 0x0F000200u, 0x0F000200u, nullptr},
    {kotDO, 12, 0x0F000200u, 0x08000000u, nullptr},
    {kotDO, 12, 0x06000000u, 0x06000000u, nullptr},
    {kotDO, 34, 0x05000000u, 0x09000000u, kShapeWarning},
    {kotDO, 34, 0x0F000200u, 0x0F000200u, nullptr},
    {kSDGF, 12, 0x0F000200u, 0x08000000u, nullptr},
    {kSDGF, 12, 0x08000000u, 0x08000000u, nullptr},
    {kSDGF, 10, 0x08000000u, 0x09000000u, kGfholdWarning},
    {kSDGF, 10, 0x09000001u, 0x09000001u, nullptr},
    {kTagPageSpec, 22, 0x0F000200u, 0x0F000200u, nullptr},
};

std::string describe(const Case& c) {
  std::ostringstream out;
  out << std::hex << c.tag << " size " << std::dec << c.size << " version " << std::hex << c.in;
  return out.str();
}

class HandleEnigmaVersionTest : public SimHostTest {};

TEST_F(HandleEnigmaVersionTest, CorrectsTheVersionForTheTagAndSizeAndWarnsWhereItIsTooOld) {
  host.log().set_tracing(true);
  for (const Case& c : kCases) {
    host.log().clear();
    const size_t alerts_before = host.alerts().size();
    uint32_t tag = c.tag;
    uint32_t version = c.in;
    HandleEnigmaVersion(tag, c.size, version);
    EXPECT_EQ(version, c.out) << describe(c);
    EXPECT_EQ(tag, c.tag) << describe(c);
    if (c.warning == nullptr) {
      EXPECT_EQ(host.alerts().size(), alerts_before) << describe(c);
      continue;
    }
    ASSERT_EQ(host.alerts().size(), alerts_before + 1) << describe(c);
    EXPECT_EQ(host.alerts().back(), c.warning);
    const auto alert = host.log().trace_of("FX_AlertMessage");
    ASSERT_EQ(alert.size(), 1u);
    EXPECT_EQ(alert[0].args[0], 0);
    EXPECT_EQ(alert[0].args[1], 0);
    EXPECT_EQ(alert[0].args[2], 0);
    EXPECT_EQ(alert[0].args[4], FxWord(kFxInterfaceVersion));
  }
}

TEST_F(HandleEnigmaVersionTest, ASizeOfZeroNeverChangesTheVersion) {
  for (const Case& c : kCases) {
    uint32_t tag = c.tag;
    uint32_t version = c.in;
    HandleEnigmaVersion(tag, 0, version);
    EXPECT_EQ(version, c.in) << describe(c);
  }
  EXPECT_TRUE(host.alerts().empty());
}

}  // namespace
