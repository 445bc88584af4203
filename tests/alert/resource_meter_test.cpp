#include "alert/resource_meter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_system_resources.h"
#include "platform/system_info.h"

namespace lumaro::alert {
namespace {

using ::testing::ElementsAre;

TEST(ResourceMeter, AnyKindAtOrBelowTheThresholdIsLow) {
  platform::fake::FakeSystemResources resources;
  {
    ResourceMeter meter(platform::kFamily9x, resources);
    resources.free = {60, 40, 12};
    EXPECT_TRUE(meter.resourcesLow(15));
    resources.free = {15, 90, 90};
    EXPECT_TRUE(meter.resourcesLow(15));  // equality counts
    resources.free = {16, 90, 90};
    EXPECT_FALSE(meter.resourcesLow(15));
    resources.calls.clear();
    meter.resourcesLow(15);
    EXPECT_THAT(resources.calls, ElementsAre("query 0", "query 1", "query 2"));  // always all three
    resources.calls.clear();
  }
  EXPECT_THAT(resources.calls, ElementsAre("close"));
}

TEST(ResourceMeter, UnavailableProbesAreNeverLow) {
  platform::fake::FakeSystemResources resources;
  resources.free = {1, 1, 1};
  {
    ResourceMeter nt(platform::kFamilyNt, resources);  // never even set up
    EXPECT_FALSE(nt.resourcesLow(30));
    EXPECT_EQ(nt.query(ResourceMeter::kSystem), -1);
  }
  EXPECT_TRUE(resources.calls.empty());

  resources.opens = false;  // the 16-bit module could not be loaded
  ResourceMeter broken(platform::kFamily9x, resources);
  EXPECT_FALSE(broken.resourcesLow(30));
  EXPECT_THAT(resources.calls, ElementsAre("open"));

  resources.opens = true;
  resources.free = {-1, 20, -1};  // a kind the system does not report
  ResourceMeter partial(platform::kFamily9x, resources);
  EXPECT_FALSE(partial.resourcesLow(15));
  EXPECT_TRUE(partial.resourcesLow(20));
}

}  // namespace
}  // namespace lumaro::alert
