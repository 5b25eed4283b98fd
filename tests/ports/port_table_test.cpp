#include "ports/port_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PortTableTest : public testing::Test {
protected:
    void Fill(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_TRUE(m_table.Add({"Port " + std::to_string(i), "tty" + std::to_string(i)}));
        }
    }

    PortTable m_table;
};

TEST_F(PortTableTest, DropsEntriesPastItsCapacity) {
    Fill(PortTable::kCapacity);
    EXPECT_FALSE(m_table.Add({"Port 256", "tty256"}));
    EXPECT_EQ(m_table.Count(), PortTable::kCapacity);
    EXPECT_EQ(m_table.At(PortTable::kCapacity - 1)->port, "tty255");
    EXPECT_EQ(m_table.At(PortTable::kCapacity), nullptr);
}

TEST_F(PortTableTest, OnlyValidEntriesAreReachable) {
    Fill(3);
    m_table.Clear();
    EXPECT_EQ(m_table.Count(), 0u);
    EXPECT_EQ(m_table.At(0), nullptr);
    ASSERT_TRUE(m_table.Add({"New", "ttyNew"}));
    EXPECT_EQ(m_table.At(0)->label, "New");
    EXPECT_EQ(m_table.At(1), nullptr);
}

} // namespace
