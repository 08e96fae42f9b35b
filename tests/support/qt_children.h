#pragma once

// Controls of a Qt window found by their object names; header only, for the
// test programs that link Qt.
#include <gtest/gtest.h>

#include <QAbstractButton>

namespace pixmint::test {

// The named child; a missing one fails the test (and answers nullptr).
template <typename W = QAbstractButton>
W* Find(const QObject& parent, const char* name) {
  auto* child = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

inline void Click(const QObject& parent, const char* button) {
  Find(parent, button)->click();
}

}  // namespace pixmint::test
