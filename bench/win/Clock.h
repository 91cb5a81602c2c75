// The timed tools' clock and median, from the high-resolution performance counter.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double nowMicroseconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1e6 / double(frequency.QuadPart);
}

inline double nowMilliseconds() { return nowMicroseconds() / 1000.0; }

inline double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
