// Brings back the macros hide_windows_macros.h hid.
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN64")
#pragma pop_macro("_WIN64")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN32")
