// Google Benchmark under Winelib: like GoogleTest, its headers must not see
// the Windows platform macros the compiler driver defines.
#pragma once
#include "tests/support/hide_windows_macros.h"
#include <benchmark/benchmark.h>
#include "tests/support/restore_windows_macros.h"
