#include "document/safe_file_write.h"
#include <algorithm>

namespace
{
const char kTempPrefix[] = "~zt";

CString FolderOf(LPCSTR target)
{
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(target, sizeof(full), full, NULL);
    CString path = (n > 0 && n < sizeof(full)) ? CString(full) : CString(target);
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash < 0 ? CString(".") : path.Left(slash + 1);
}

// Makes the written bytes durable before the rename publishes them.
BOOL FlushToDisk(LPCSTR path)
{
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    const BOOL ok = FlushFileBuffers(h);
    CloseHandle(h);
    return ok;
}
} // namespace

BOOL WriteFileSafely(LPCSTR target, const std::function<BOOL(LPCSTR temp)>& write)
{
    if (!target || !*target)
        return FALSE;
    const DWORD attributes = GetFileAttributesA(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FALSE;
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(target), kTempPrefix, 0, temp))
        return FALSE;
    // The name is answered even where the folder refused the file.
    if (GetFileAttributesA(temp) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    BOOL written = FALSE;
    try
    {
        written = write(temp);
    }
    catch (CException* e)
    {
        e->Delete();
        written = FALSE;
    }
    if (written && FlushToDisk(temp) && MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TRUE;
    DeleteFileA(temp);
    return FALSE;
}
