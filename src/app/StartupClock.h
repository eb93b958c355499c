#pragma once
// Measuring hooks for the benchmarks (scripts/run-bench.sh), off unless asked for.
#include <QWidget>

// When the environment variable VEMO_STARTUP_CLOCK is set, prints "exposed <ns>" to standard
// error the first time window is exposed (mapped and ready to paint), where <ns> is the
// monotonic clock (CLOCK_MONOTONIC) in nanoseconds; the benchmark compares it with the time it
// started the program. Call after window.show(). Does nothing otherwise.
void ReportFirstExposeWhenAsked(QWidget &window);

// When the environment variable VEMO_QUIT_WHEN_PAINTED is set, ends the program once widget has
// been painted for the first time, or, when the variable holds an object name instead of "1",
// the widget of that name (the map check's window is "mapCheckWindow"), so the benchmark can
// time opening a picture or checking a map as a whole process. The program ends at once, its windows not asked to close (no map is closed and no
// settings are written). Does nothing otherwise.
void QuitWhenPaintedIfAsked(QWidget &widget);
