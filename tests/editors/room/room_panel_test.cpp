#include <gtest/gtest.h>
#include "editors/room/room_editor.h"
#include "fake_host.h"
TEST(X, Y) { tamo::testing::FakeHost h; tamo::editors::RoomEditor e(h); }
