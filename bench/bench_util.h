// Timing helpers of the benchmarks: wall-clock medians.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

template <typename F>
double median_us(int runs, F&& body) {
  std::vector<double> t;
  t.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const auto a = std::chrono::steady_clock::now();
    body();
    const auto b = std::chrono::steady_clock::now();
    t.push_back(std::chrono::duration<double, std::micro>(b - a).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}
