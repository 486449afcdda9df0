// File-type codes, the tables of the save dialog and the recognition of a
// file's type from its extension and its contents (document/file_types.cpp).
#pragma once
#include "afxwin.h"

// The codes held in CWDocument::m_nFileType. Codes the recogniser reports
// beyond these reach the conversion filters unchanged.
enum FileTypeCode : LONG
{
    kFilePlainText = 1,
    kFileWordPerfect4 = 6,
    kFileWordPerfect5 = 7,
    kFileRtf = 19,
    kFileAmiPro = 33,
    kFileWindowsWrite = 43,
    kFileWinWord2 = 44,
    kFileWordPerfect6 = 48,
    kFileWord = 49,
    kFileHtml = 108,
    kFileNative = 200,
    kFileTemplate = 201,
    kFileDos = 202,
    kFileBackup = 203,
    kFileOwnText = 204,
    kFileUserDictionary = 205,
    kFileOemText = 206,
    kFileWord3 = 210,
    kFileWord4 = 211,
    kFileWord5 = 212,
    kFileOther = 213,
    kFileEmpty = 20000,
    kFileUnopenable = 20001,
    kFileSharingViolation = 20002,
};

// The save dialog's default extension for each type it knows, searched in
// order for the first entry of the document's type.
struct FileExtEntry
{
    BYTE type;
    char ext[6];   // zero-padded, not always ended
};
const int kFileExtCount = 20;
extern const FileExtEntry FileExt[kFileExtCount];
// The save dialog's default extension for type; empty when none.
CString DefaultExtensionOf(LONG type);

// The type each filter of the save dialog (string 57769) saves as, by
// 1-based filter index; index 0 holds 0.
const int kSaveFilterCount = 17;
extern const int SaveFileTypeTable[kSaveFilterCount + 1];
// 0 for an index outside the table.
int SaveTypeOfFilter(int filterIndex);

// Set by File Save on a document of another format, read and cleared by
// the save that follows.
extern int bChangeNameFlag;

// The code the extension names (case and trailing blanks aside); 213 for
// any other extension, none included.
int RecognizeExtension(const char* path);
// Gives path the extension "zvw", keeping drive, folder and name.
void ReplaceExtension(CString& path);
// The code of the file from its extension and contents: 20000 empty, 20001
// unopenable, 20002 held shut by another handle; a file that is not a
// native one (and not ".XTX" or ".LEX") is put to the format recogniser.
int ZtWriteGetFileType(const char* path);
// The format recogniser ZtWriteGetFileType asks (Supported); a test may
// put another in its place.
typedef int (*FormatRecogniser)(const char* path);
extern FormatRecogniser ExternalRecogniser;
// The file is a compound file whose root storage carries the native class
// id. Read only, denying other handles nothing: a read-only file, or one
// another program has open, is still recognised.
bool IsZtWriteDocument(const char* path);
