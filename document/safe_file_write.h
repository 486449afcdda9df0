// Writing a file through a temporary beside it, which replaces the file
// only once it is whole: a save that fails leaves the old file as it was.
#pragma once
#include <functional>
#include "afxwin.h"

// write gets the temporary's path (an empty file already) and answers
// whether it wrote it whole; an exception it throws counts as a failure.
// FALSE when no temporary could be made, write failed or the file could not
// be replaced (read-only, held open); the temporary is gone then.
BOOL WriteFileSafely(LPCSTR target, const std::function<BOOL(LPCSTR temp)>& write);
