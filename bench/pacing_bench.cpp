// The pace of a hand on the real timers: when each of the ten deal steps lands after the one
// before (20 ms apart), and when the Dealer's draw (1000 ms after the player's), the end of its
// message (1000 ms later) and the showdown (750 ms later) come. The table is shown, so every
// step also paints. Run at screen scales 1 and 3, where every card is drawn at 9 times the pixels.
//   pacing_bench [HANDS]            both scales, each in a process of its own
//   pacing_bench HANDS --scale S    one scale
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/handrank.h"
#include "table/mainform.h"
#include "table/tablestate.h"

namespace {

struct Step {
  const char* name;
  int designMs;
  std::vector<double> ms;  // one per hand
};

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

int RunOneScale(int argc, char** argv, int hands) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ResetCardData();
  ResetRankData();
  ResetTableState();
  TMainForm form;
  form.SplashTime->stop();
  form.show();
  form.WelcomeTable();
  CurrentBet = 1;

  std::vector<Step> steps;
  for (int i = 1; i <= 10; ++i) steps.push_back({i == 1 ? "deal step 1 (after Deal)" : "deal step", 20, {}});
  steps.push_back({"Dealer draws (after Draw)", 1000, {}});
  steps.push_back({"message cleared", 1000, {}});
  steps.push_back({"showdown", 750, {}});

  QElapsedTimer clock;
  double last = 0;
  int tick = 0;
  int played = 0;
  const auto mark = [&](int step) {
    const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    steps[static_cast<std::size_t>(step)].ms.push_back(now - last);
    last = now;
  };
  const auto deal = [&] {
    tick = 0;
    clock.start();
    last = 0;
    form.BetClick();
  };
  QObject::connect(form.DealDelay, &QTimer::timeout, [&] {
    mark(tick++);
    if (tick == 10)
      QTimer::singleShot(0, [&] {
        last = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        form.DrawClick();  // stand pat at once
      });
  });
  QObject::connect(form.DlrDraw, &QTimer::timeout, [&] { mark(10); });
  QObject::connect(form.DlrReplATimer, &QTimer::timeout, [&] { mark(11); });
  QObject::connect(form.pickAwinner, &QTimer::timeout, [&] {
    mark(12);
    if (++played == hands) {
      QTimer::singleShot(0, &app, &QApplication::quit);
    } else {
      QTimer::singleShot(0, deal);
    }
  });
  QTimer::singleShot(0, deal);
  QApplication::exec();

  std::printf("screen scale %s, %d hands (the first draws every picture it shows for the first time)\n",
              qEnvironmentVariable("QT_SCALE_FACTOR", "1").toUtf8().constData(), hands);
  std::printf("  %-28s %7s %9s %9s %9s %9s\n", "step", "design", "1st hand", "median", "p90", "worst");
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    const std::string name =
        i < 10 ? std::string(s.name) + (i == 0 ? "" : " " + std::to_string(i + 1)) : s.name;
    std::printf("  %-28s %5d ms %6.1f ms %6.1f ms %6.1f ms %6.1f ms\n", name.c_str(), s.designMs,
                s.ms.front(), Percentile(s.ms, 0.5), Percentile(s.ms, 0.9),
                *std::max_element(s.ms.begin(), s.ms.end()));
  }
  std::vector<double> wholeDeal;  // Deal to Draw button: the ten steps together
  for (int h = 0; h < hands; ++h) {
    double sum = 0;
    for (int i = 0; i < 10; ++i) sum += steps[static_cast<std::size_t>(i)].ms[static_cast<std::size_t>(h)];
    wholeDeal.push_back(sum);
  }
  std::printf("  %-28s %5d ms %6.1f ms %6.1f ms %6.1f ms %6.1f ms\n", "whole deal (10 steps)", 200,
              wholeDeal.front(), Percentile(wholeDeal, 0.5), Percentile(wholeDeal, 0.9),
              *std::max_element(wholeDeal.begin(), wholeDeal.end()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int hands = argc > 1 ? std::max(2, std::atoi(argv[1])) : 12;
  if (argc > 3 && std::string(argv[2]) == "--scale") {
    qputenv("QT_SCALE_FACTOR", argv[3]);
    return RunOneScale(argc, argv, hands);
  }
  int status = 0;
  for (const char* scale : {"1", "3"}) {
    const std::string command = std::string(argv[0]) + " " + std::to_string(hands) + " --scale " + scale;
    status |= std::system(command.c_str());
  }
  return status == 0 ? 0 : 1;
}
