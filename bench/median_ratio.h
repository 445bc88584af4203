#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace lumaro::bench {

struct Medians {
  double baseline;  // milliseconds
  double measured;
};

// Times `subject` against `baseline` in alternating rounds, so that both see the same machine state,
// and returns the median round of each.
inline Medians alternatingMedians(int rounds, const std::function<void()>& baseline,
                                  const std::function<void()>& subject) {
  using Clock = std::chrono::steady_clock;
  const auto time = [](const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };
  std::vector<double> base, measured;
  time(baseline);  // warm-up: page tables, caches
  time(subject);
  for (int i = 0; i < rounds; ++i) {
    base.push_back(time(baseline));
    measured.push_back(time(subject));
  }
  const auto median = [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
  };
  return {median(base), median(measured)};
}

// As alternatingMedians, and prints the medians and their ratio (subject / baseline; 1.00 means no
// overhead).
inline double printMedianRatio(const char* name, int rounds, const std::function<void()>& baseline,
                               const std::function<void()>& subject) {
  const Medians m = alternatingMedians(rounds, baseline, subject);
  std::printf("%-28s baseline %9.3f ms   measured %9.3f ms   ratio %.2f\n", name, m.baseline, m.measured,
              m.measured / m.baseline);
  return m.measured / m.baseline;
}

}  // namespace lumaro::bench
