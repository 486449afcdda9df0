// The format recogniser the program ships: no foreign-format filter comes
// with it, so it recognises nothing, and files of types the program reads
// itself open without a word about a missing recogniser.
#include <windows.h>

namespace
{
const int kNotRecognised = 0;
}

extern "C" int WINAPI autorec(const char*, int, int* subtype)
{
    if (subtype)
        *subtype = 0;
    return kNotRecognised;
}
