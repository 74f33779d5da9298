#include "support/LoadResourceString.h"

#include <gtest/gtest.h>

TEST(LoadResourceString, FormatsCaption) { EXPECT_EQ(LoadResourceString(10001, 11005), L"Error Occurred - 11005"); }
