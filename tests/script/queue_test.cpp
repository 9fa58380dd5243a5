// The script line queue: lowest free slot first, shifting pops, overwrite when full.
#include <gtest/gtest.h>

#include <string>

#include "script/queue.h"

using minamori::MessageQueue;

TEST(MessageQueue, PushesFillSlotsInOrderAndPopsShiftDown) {
    MessageQueue q;
    q.pushLine("a");
    q.pushLine("");  // an empty text takes no slot
    q.pushLine("b");
    q.pushLine("c");
    EXPECT_EQ(q.slot(0), "a");
    EXPECT_EQ(q.slot(1), "b");
    EXPECT_EQ(q.slot(2), "c");
    EXPECT_TRUE(q.slot(3).empty());
    EXPECT_FALSE(q.headIsLast());

    q.popLine();
    EXPECT_EQ(q.slot(0), "b");
    EXPECT_EQ(q.slot(1), "c");
    EXPECT_TRUE(q.slot(2).empty());

    q.popLine();
    EXPECT_TRUE(q.headIsLast());
    q.popLine();
    EXPECT_TRUE(q.empty());
    EXPECT_EQ(q.size(), 0);
}

TEST(MessageQueue, FullQueueOverwritesTheHeadOnly) {
    MessageQueue q;
    for (int i = 0; i < MessageQueue::kSlots; ++i) q.pushLine("line" + std::to_string(i));
    q.pushLine("");  // never frees the head of a full queue
    EXPECT_EQ(q.slot(0), "line0");
    EXPECT_FALSE(q.empty());
    q.pushLine("late");
    EXPECT_EQ(q.slot(0), "late");
    for (int i = 1; i < MessageQueue::kSlots; ++i) EXPECT_EQ(q.slot(i), "line" + std::to_string(i));
    EXPECT_EQ(q.size(), MessageQueue::kSlots);

    q.popLine();  // the last slot is freed by a pop
    EXPECT_TRUE(q.slot(MessageQueue::kSlots - 1).empty());

    q.clearQueue();
    EXPECT_TRUE(q.empty());
    q.pushLine("again");
    EXPECT_EQ(q.slot(0), "again");
    EXPECT_TRUE(q.headIsLast());
}
