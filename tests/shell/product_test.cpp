// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/product.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

namespace kelvra {
namespace {

// The icon comes one event-loop turn after the first paint, and still comes
// when the first window goes without ever being painted.
TEST(ProductIcon, ArrivesAfterTheFirstWindowPaintsOrGoes) {
  for (bool painted : {true, false}) {
    QGuiApplication::setWindowIcon(QIcon());
    {
      QWidget window;
      GiveIconAfterFirstPaint(window);
      if (painted) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        QTest::qWait(0);
        EXPECT_EQ(QGuiApplication::windowIcon().availableSizes().size(), 5);
      }
    }
    QTest::qWait(0);
    EXPECT_EQ(QGuiApplication::windowIcon().availableSizes().size(), 5) << painted;
  }
}

}  // namespace
}  // namespace kelvra
