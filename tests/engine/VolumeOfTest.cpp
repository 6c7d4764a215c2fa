#include "engine/VolumeOf.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(VolumeOf, TheLongestMountPointAboveTheDirectory) {
  const std::vector<std::string> volumes = {"/", "/home", "/home/ann/usb", "/media/disk/"};
  // clang-format off
  const struct { const char* Directory; const char* Volume; } cases[] = {{"/etc", "/"},
               {"/home", "/home"},
               {"/home/ann/usb/photos", "/home/ann/usb"},
               {"/home/ann/usbstick", "/home"},  // a longer name is no mount point
               {"/media/disk/x", "/media/disk"},
               {"/", "/"}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(VolumeOf(c.Directory, volumes), c.Volume) << c.Directory;
}

}  // namespace
}  // namespace varnoke
