#include <gtest/gtest.h>
#include "core/game.h"
TEST(Smoke, Builds) { minamori::Game g; EXPECT_EQ(g.my.money, 0); }
