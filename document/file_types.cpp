#include "document/file_types.h"
#include "convert/conversion_services.h"
#include "document/CWDocument.h"
#include "document/path_parts.h"
#include <string.h>

const FileExtEntry FileExt[kFileExtCount] = {
    {kFilePlainText, ".txt"}, {kFileWordPerfect4, "*.doc"}, {kFileWordPerfect5, ".doc"}, {kFileOther, ""},
    {kFileWord3, "*.doc"},    {kFileWord4, "*.doc"},        {kFileWord5, "*.doc"},       {kFileRtf, ".rtf"},
    {kFileAmiPro, "*.sam"},   {kFileWindowsWrite, ".wri"},  {kFileWinWord2, ".doc"},     {kFileWordPerfect6, ".doc"},
    {kFileWord, ".doc"},      {kFileHtml, ".htm"},          {kFileNative, ".zvw"},       {kFileTemplate, ".zvp"},
    {kFileDos, ".xtx"},       {kFileOwnText, ""},           {kFileUserDictionary, "*.lex"}, {kFileOemText, "*.asc"},
};

const int SaveFileTypeTable[kSaveFilterCount + 1] = {
    0,
    kFileNative, kFileTemplate, kFilePlainText, kFileRtf, kFileWord3, kFileWord4, kFileWord5, kFileWinWord2,
    kFileWord, kFileWordPerfect4, kFileWordPerfect5, kFileWordPerfect6, kFileAmiPro, kFileAmiPro,
    kFileWindowsWrite, kFileHtml, kFileUserDictionary,
};

int bChangeNameFlag = 0;
FormatRecogniser ExternalRecogniser = Supported;

namespace
{
struct ExtensionCode
{
    const char* ext;
    int type;
};
// Compared in this order.
const ExtensionCode kExtensions[] = {
    {".ZVW", kFileNative}, {".ZVP", kFileTemplate}, {".ZTK", kFileBackup}, {".XTX", kFileDos},
    {".RTF", kFileRtf},    {".TXT", kFilePlainText}, {".DOC", kFileWord},  {".WRI", kFileWindowsWrite},
    {".SAM", kFileAmiPro}, {".ZVT", kFileOwnText},   {".HTM", kFileHtml},  {".HTML", kFileHtml},
    {".SHTML", kFileHtml}, {".LEX", kFileUserDictionary}, {".ASC", kFileOemText},
};
const char kNativeExtension[] = "zvw";
} // namespace

CString DefaultExtensionOf(LONG type)
{
    for (const FileExtEntry& e : FileExt)
        if (e.type == type)
            return CString(e.ext, (int)strnlen(e.ext, sizeof e.ext));
    return CString();
}

int SaveTypeOfFilter(int filterIndex)
{
    return filterIndex >= 0 && filterIndex <= kSaveFilterCount ? SaveFileTypeTable[filterIndex] : 0;
}

int RecognizeExtension(const char* path)
{
    PathParts parts;
    if (!SplitPath(path, parts))
        return kFileOther;
    CString ext(parts.ext);
    ext.MakeUpper();
    ext.TrimRight();
    for (const ExtensionCode& e : kExtensions)
        if (ext == e.ext)
            return e.type;
    return kFileOther;
}

void ReplaceExtension(CString& path)
{
    PathParts parts;
    if (SplitPath(path, parts))
        path = MakePath(parts.drive, parts.dir, parts.name, kNativeExtension);
}

int ZtWriteGetFileType(const char* path)
{
    int code = RecognizeExtension(path);
    {
        // Shared with every other handle: only a file held shut elsewhere is
        // a sharing violation.
        CFile file;
        CFileException error;
        if (!file.Open(path, CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone, &error))
            return error.m_cause == CFileException::sharingViolation ? kFileSharingViolation : kFileUnopenable;
        ULONGLONG length = 0;
        try
        {
            length = file.GetLength();
        }
        catch (CException* e)
        {
            e->Delete();
            return kFileUnopenable;
        }
        file.Close();
        if (length == 0)
            return kFileEmpty;
    }
    // A native file keeps its extension's code: one named ".doc" goes to
    // the filters. ".XTX" and ".LEX" are never the recogniser's.
    if (!IsZtWriteDocument(path) && code != kFileDos && code != kFileUserDictionary)
    {
        const int recognised = ExternalRecogniser(path);
        if (recognised >= 1)
            code = recognised;
    }
    return code;
}

bool IsZtWriteDocument(const char* path)
{
    if (!path || !*path)
        return false;
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH))
        return false;
    IStorage* storage = NULL;
    // Transacted, so that the storage may be opened with other handles on
    // the file; nothing is ever committed.
    if (FAILED(StgOpenStorage(wide, NULL, STGM_READ | STGM_SHARE_DENY_NONE | STGM_TRANSACTED, NULL, 0, &storage))
        || !storage)
        return false;
    STATSTG stat;
    memset(&stat, 0, sizeof stat);
    const HRESULT hr = storage->Stat(&stat, STATFLAG_NONAME);
    storage->Release();
    return SUCCEEDED(hr) && memcmp(&stat.clsid, &CWDocument::kNativeClassId, sizeof(CLSID)) == 0;
}
