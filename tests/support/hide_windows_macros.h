// Hides the Windows platform macros that the Winelib compiler driver
// defines, so that a library built for Linux (GoogleTest, Google Benchmark)
// takes its Linux code paths in its headers. Pair with
// restore_windows_macros.h after the include.
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
