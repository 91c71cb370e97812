#pragma once

#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <vector>

// Checks that exactly the `expected` boxes were shown, in order: text, title,
// icon and buttons of each.
inline void ExpectBoxes(const CFakeMessageBox& box, const std::vector<MessageBoxRequest>& expected)
{
  ASSERT_EQ(box.m_shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(box.m_shown[i].text, expected[i].text) << "box " << i;
    EXPECT_EQ(box.m_shown[i].title, expected[i].title) << "box " << i;
    EXPECT_EQ(box.m_shown[i].icon, expected[i].icon) << "box " << i;
    EXPECT_EQ(box.m_shown[i].buttons, expected[i].buttons) << "box " << i;
  }
}
