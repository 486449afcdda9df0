// The conversion driver: documents of other word processors are opened and
// saved through outside filter libraries and the intermediate file; an
// outside recogniser names a file's format. The entry points the document
// layer calls are in conversion_services.h.
#pragma once
#include "afxwin.h"
#include <cstdint>

class CWDocument;
class CWView;

// One filter: its library's file name, the subtype and the option as
// decimal text, each field ended by a zero byte (36 bytes, copied whole).
struct TInfConv
{
    char libraryName[30];
    char subtype[3];
    char option[3];
};

// One row of the table of known filters: the file type code, the import
// filter and the export filter.
struct TSupConvertor
{
    int32_t code;
    TInfConv import;
    TInfConv exportTo;
};

const int kSupConvertorCount = 14;
extern const TSupConvertor SupConvertors[kSupConvertorCount];

// The recogniser's format code for path, its subtype in *subtype; -1 when
// the recognition library or its entry is missing (the user is told).
int Autorec(const char* path, int* subtype);

// Fills filter for direction ('F' open, 'T' save) and the file type code;
// path is the file being opened or about to be replaced. 1 on success, 0
// when no filter could be chosen.
int GetHardConvertor(unsigned char direction, int code, TInfConv& filter, const char* path);

// Loads filter's library and runs it from input to output. 1 on success,
// 0 after the user has been told why not.
int CallConvOther(CWView* view, TInfConv& filter, const char* intermediate, const char* foreign);

// The message for a filter's error code; direction is the filter's letter.
void LoadErrorMessage(CString& text, int code, int direction, char* input, char* output);

// The document into the intermediate file; 1 when every byte was written.
int CallConvZtFrom(CWView* view, const char* intermediate, CWDocument* doc);
// The intermediate file into the document; 1 when it was read, 0 when the
// filter left none, an empty one, or one that could not be opened.
int CallConvZtTo(CWView* view, const char* intermediate, CWDocument* doc);

// Where the recogniser and the filters are looked for: empty (the program)
// for the system's own search; a folder, for tests that bring their own.
extern CString ConversionLibraryFolder;
// Loads a recogniser or filter library by its name (a Winelib library is
// found by its file name, name + ".so"); NULL when there is none.
HMODULE LoadConversionLibrary(const char* name);

// As CallConvOther with the paths given in the filter's order; messages
// name shownInput and shownOutput.
int RunFilter(const TInfConv& filter, const char* input, const char* output, const char* shownInput,
              const char* shownOutput);
