// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/command.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <stdexcept>

#include "shell/message.h"

namespace kelvra {
namespace {

struct NotAStandardException {};

TEST(RunCommand, CatchesWhatTheHandlerThrowsAndSaysWhichCommandFailed) {
  const struct {
    std::function<void()> handler;
    const char* reason;  // nullptr: no message
  } cases[] = {
      {[] {}, nullptr},
      {[] { throw std::runtime_error("the ephemeris files are missing"); }, "the ephemeris files are missing"},
      {[] { throw std::bad_alloc(); }, "std::bad_alloc"},
      {[] { throw std::runtime_error("  two\nlines  "); }, "two lines"},
      {[] { throw std::runtime_error(""); }, "an unexpected error"},
      {[] { throw NotAStandardException(); }, "an unexpected error"},
      {[] { throw 42; }, "an unexpected error"},
  };
  for (const auto& c : cases) {
    QStringList messages;
    const ScopedMessageFunction recorder([&](QWidget*, const QString& text) { messages << text; });
    RunCommand(nullptr, QStringLiteral("Analyze Compatibility"), c.handler);
    EXPECT_EQ(messages, c.reason ? QStringList{CommandFailureMessage(QStringLiteral("Analyze Compatibility"),
                                                                     QString::fromLatin1(c.reason))}
                                 : QStringList{})
        << (c.reason ? c.reason : "no failure");
  }
  EXPECT_EQ(CommandFailureMessage(QStringLiteral("Print"), QStringLiteral("no paper")),
            QStringLiteral("The command \"Print\" could not be completed: no paper. Everything you entered is kept."));
}

TEST(RunCommand, ALongReasonIsCutAndAFailingMessageIsSwallowed) {
  QStringList messages;
  {
    const ScopedMessageFunction recorder([&](QWidget*, const QString& text) { messages << text; });
    RunCommand(nullptr, QStringLiteral("Print"), [] { throw std::runtime_error(std::string(5000, 'x')); });
  }
  ASSERT_EQ(messages.size(), 1);
  EXPECT_LT(messages[0].size(), 500);

  const ScopedMessageFunction failing([](QWidget*, const QString&) { throw std::bad_alloc(); });
  RunCommand(nullptr, QStringLiteral("Print"), [] { throw std::runtime_error("first"); });  // returns, no throw
}

// The wrapper at a real signal: a throwing slot reports, and the next click runs again.
TEST(ConnectCommand, AThrowingSlotLeavesTheWindowWorking) {
  struct Window : QWidget {
    int runs = 0;
    void Handler() {
      if (++runs == 1) throw std::runtime_error("first click fails");
    }
  } window;
  QPushButton button(&window);
  ConnectCommand(&button, &QPushButton::clicked, &window, "Try", &Window::Handler);
  QStringList messages;
  const ScopedMessageFunction recorder([&](QWidget*, const QString& text) { messages << text; });

  button.click();
  button.click();
  EXPECT_EQ(window.runs, 2);
  EXPECT_EQ(messages, QStringList{CommandFailureMessage(QStringLiteral("Try"), QStringLiteral("first click fails"))});
}

}  // namespace
}  // namespace kelvra
