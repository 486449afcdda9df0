// Google Benchmark under Winelib: like GoogleTest, its headers must not see
// the Windows platform macros the compiler driver defines.
#pragma once
#include "hide_windows_macros.h"
#include <benchmark/benchmark.h>
#include "restore_windows_macros.h"
