// Google Benchmark under Winelib: like GoogleTest, its headers must not see
// the Windows platform macros the compiler driver defines.
#pragma once
#pragma push_macro("_WIN32")
#pragma push_macro("WIN32")
#pragma push_macro("_WIN64")
#pragma push_macro("WIN64")
#pragma push_macro("__WIN32__")
#undef _WIN32
#undef WIN32
#undef _WIN64
#undef WIN64
#undef __WIN32__
#include <benchmark/benchmark.h>
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN64")
#pragma pop_macro("_WIN64")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN32")
