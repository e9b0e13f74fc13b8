#pragma once
// Runs one GET or version check in the event loop until it reports its end.
#include <gtest/gtest.h>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <optional>

#include "qstring_print.h"

namespace zumoku::test {

// What a run ended with: its result (success) or its error text.
struct Outcome {
  bool ok = false;
  QString text;
};

// Starts the run and waits for one of its two signals; a run that reports
// nothing within a minute fails the test instead of hanging it.
template <typename Sender, typename Success, typename Failure, typename Start>
Outcome RunUntilEnd(Sender* sender, Success success, Failure failure, Start start) {
  std::optional<Outcome> outcome;
  QEventLoop loop;
  QObject::connect(sender, success, &loop, [&](auto... result) {
    outcome = Outcome{true, QString(result...)};
    loop.quit();
  });
  QObject::connect(sender, failure, &loop, [&](const QString& error) {
    outcome = Outcome{false, error};
    loop.quit();
  });
  QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
  start();
  if (!outcome) loop.exec();
  EXPECT_TRUE(outcome.has_value()) << "no end reported";
  return outcome.value_or(Outcome{false, QStringLiteral("(none)")});
}

}  // namespace zumoku::test
