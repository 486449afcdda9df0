// GoogleTest under Winelib: the compiler driver defines the Windows platform
// macros, which would make GoogleTest take its Windows code paths against a
// library built for Linux. Hide them around the include.
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
#include <gtest/gtest.h>
#include <gmock/gmock.h>
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN64")
#pragma pop_macro("_WIN64")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN32")
