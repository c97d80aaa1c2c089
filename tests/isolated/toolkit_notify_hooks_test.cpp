// The hook registry lives as long as the library, so its tests run in a process
// of their own, starting from an empty registry. The registry's arrays come from
// the nothrow array form of operator new, which this executable replaces to make
// a chosen allocation fail.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>
#include <vector>

#include "toolkit/notify_hooks.h"

namespace {

int allocations_until_failure = 0;  // 0: never fail; n: the nth allocation from now fails

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (allocations_until_failure > 0 && --allocations_until_failure == 0) return nullptr;
  try {
    return ::operator new[](size);
  } catch (...) {
    return nullptr;
  }
}

namespace {

int32_t hook_a(int32_t, int32_t, const void*) { return 1; }
int32_t hook_b(int32_t, int32_t, const void*) { return 2; }
int32_t hook_c(int32_t, int32_t, const void*) { return 3; }

std::vector<FTX_NOTIFYHOOK> registry() {
  return std::vector<FTX_NOTIFYHOOK>(NotifyHookArray, NotifyHookArray + NotifyHookArrayElements);
}

// Each test leaves the registry empty for the next.
class NotifyHooks : public testing::Test {
 protected:
  void TearDown() override {
    allocations_until_failure = 0;
    for (FTX_NOTIFYHOOK hook : registry()) PDKTOOLS_SetNotifyHook(hook, 0);
    ASSERT_EQ(NotifyHookArrayElements, 0);
  }
};

TEST_F(NotifyHooks, StartEmptyWithoutAnArray) {
  EXPECT_EQ(NotifyHookArray, nullptr);
  EXPECT_EQ(NotifyHookArrayElements, 0);
}

TEST_F(NotifyHooks, RegisteringTheSameHookTwiceKeepsOneEntry) {
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 1), 1);
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 1), 1);
  EXPECT_EQ(registry(), std::vector<FTX_NOTIFYHOOK>{hook_a});
}

TEST_F(NotifyHooks, RemovingTheSecondOfThreeKeepsTheOthersInOrder) {
  PDKTOOLS_SetNotifyHook(hook_a, 1);
  PDKTOOLS_SetNotifyHook(hook_b, 1);
  PDKTOOLS_SetNotifyHook(hook_c, 1);
  EXPECT_EQ(registry(), (std::vector<FTX_NOTIFYHOOK>{hook_a, hook_b, hook_c}));

  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_b, 0), 1);
  EXPECT_EQ(registry(), (std::vector<FTX_NOTIFYHOOK>{hook_a, hook_c}));
}

TEST_F(NotifyHooks, RemovingTheLastHookLeavesNoArray) {
  PDKTOOLS_SetNotifyHook(hook_a, 1);
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 0), 1);
  EXPECT_EQ(NotifyHookArray, nullptr);
  EXPECT_EQ(NotifyHookArrayElements, 0);
}

TEST_F(NotifyHooks, RemovingAnUnregisteredHookAnswersZero) {
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 0), 0) << "empty registry";
  PDKTOOLS_SetNotifyHook(hook_a, 1);
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_b, 0), 0);
  EXPECT_EQ(registry(), std::vector<FTX_NOTIFYHOOK>{hook_a});
}

TEST_F(NotifyHooks, ANullHookIsRefused) {
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(nullptr, 1), 0);
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(nullptr, 0), 0);
  EXPECT_EQ(NotifyHookArrayElements, 0);
}

TEST_F(NotifyHooks, AFailedAllocationLeavesTheRegistryAsItWas) {
  PDKTOOLS_SetNotifyHook(hook_a, 1);
  PDKTOOLS_SetNotifyHook(hook_b, 1);
  const std::vector<FTX_NOTIFYHOOK> before = registry();
  FTX_NOTIFYHOOK* const array = NotifyHookArray;

  allocations_until_failure = 1;
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_c, 1), 0) << "adding";
  EXPECT_EQ(NotifyHookArray, array);
  EXPECT_EQ(registry(), before);

  allocations_until_failure = 1;
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 0), 0) << "removing";
  EXPECT_EQ(NotifyHookArray, array);
  EXPECT_EQ(registry(), before);

  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_c, 1), 1) << "the next allocation succeeds";
  EXPECT_EQ(registry(), (std::vector<FTX_NOTIFYHOOK>{hook_a, hook_b, hook_c}));
}

TEST_F(NotifyHooks, RemovingTheOnlyHookNeedsNoAllocation) {
  PDKTOOLS_SetNotifyHook(hook_a, 1);
  allocations_until_failure = 1;
  EXPECT_EQ(PDKTOOLS_SetNotifyHook(hook_a, 0), 1);
  EXPECT_EQ(NotifyHookArray, nullptr);
}

}  // namespace
