// The backup copy of a native document, made before a save replaces it:
// the same path with the extension "ztk".
#include "document/CWDocument.h"
#include "document/file_types.h"
#include "document/path_parts.h"
#include <string.h>

namespace
{
const char kBackupExtension[] = "ztk";

CString FullPathOf(LPCSTR path)
{
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path, sizeof(full), full, NULL);
    return (n > 0 && n < sizeof(full)) ? CString(full) : CString(path);
}
} // namespace

CString BackupPathOf(LPCSTR path)
{
    PathParts parts;
    if (!SplitPath(path, parts))
        return CString();
    return MakePath(parts.drive, parts.dir, parts.name, kBackupExtension);
}

int CWDocument::Backup()
{
    BackupReplacedFile(GetPathName());
    return 1;
}

// Only a native document is copied: the backup name belongs to native
// files, and a text or foreign file copied there would open as garbage.
// A backup is saved without a backup of itself; the copy's failure does
// not stop the save.
BOOL CWDocument::BackupReplacedFile(LPCSTR target)
{
    if (!target || !*target)
        return FALSE;
    const CString backup = BackupPathOf(target);
    if (backup.IsEmpty() || FullPathOf(backup).CompareNoCase(FullPathOf(target)) == 0)
        return FALSE;
    // The document's own storage holds its file shut to every other handle;
    // it lets go for the moment of the copy.
    const bool heldByUs = m_rootStorage.GetStorage() != NULL && !m_rootStorage.GetPath().IsEmpty()
        && m_rootStorage.GetPath().CompareNoCase(FullPathOf(target)) == 0;
    if (heldByUs)
        m_rootStorage.Release();
    BOOL copied = FALSE;
    if (IsZtWriteDocument(target))
        copied = CopyFileA(target, backup, FALSE);
    if (heldByUs)
        m_rootStorage.Open(FullPathOf(target));
    return copied;
}
