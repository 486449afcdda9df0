#include "convert/conversion_driver.h"
#include "convert/TIntermediateFile.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <cstring>
#include <string>

namespace
{
const char kSoSuffix[] = ".so";
const char kDirectionMark[] = "32W.DLL";
const char kImportEntry[] = "w4wf";
const char kExportEntry[] = "w4wt";
const UINT_PTR kFirstValidModule = 32;

// Filter error codes and their messages.
struct FilterError
{
    int code;
    int message;
};
const FilterError kFilterErrors[] = {
    {8, IDS_CONV_NO_MEMORY}, {9, IDS_CONV_BAD_FORMAT}, {10, IDS_CONV_DISK_FULL},
    {11, IDS_CONV_TOO_LARGE}, {15, IDS_CONV_ENCRYPTED},
};
const int kErrorOpening = 1;
const int kErrorReading = 2;
const int kErrorWriting = 4;

typedef int(WINAPI* ProgressCallback)(int);
typedef int(WINAPI* FilterEntry)(const char*, const char*, const char*, const char*, ProgressCallback);

// The letter in front of "32W.DLL" in a filter library's name.
char DirectionOf(const char* library)
{
    std::string upper(library);
    for (char& c : upper)
        c = (char)toupper((unsigned char)c);
    const size_t at = upper.rfind(kDirectionMark);
    return at == std::string::npos || at == 0 ? 0 : upper[at - 1];
}
} // namespace

CString ConversionLibraryFolder;

HMODULE LoadConversionLibrary(const char* name)
{
    std::string base = name;
    if (!ConversionLibraryFolder.IsEmpty())
        base = std::string((LPCSTR)ConversionLibraryFolder) + "\\" + name;
    // A Winelib library is found by its file name the first time.
    HMODULE module = LoadLibraryA((base + kSoSuffix).c_str());
    if ((UINT_PTR)module < kFirstValidModule)
        module = LoadLibraryA(base.c_str());
    return (UINT_PTR)module < kFirstValidModule ? NULL : module;
}

void LoadErrorMessage(CString& text, int code, int direction, char* input, char* output)
{
    const char* foreign = direction == 'F' ? input : output;
    switch (code)
    {
    case kErrorOpening:
        text = GetResourceString(IDS_CONV_ERROR_OPENING) + foreign;
        return;
    case kErrorReading:
        text = GetResourceString(IDS_CONV_ERROR_READING) + input;
        return;
    case kErrorWriting:
        text = GetResourceString(IDS_CONV_ERROR_WRITING) + output;
        return;
    }
    for (const FilterError& error : kFilterErrors)
        if (error.code == code)
        {
            text = GetResourceString(error.message);
            return;
        }
    text = GetResourceString(IDS_CONV_FATAL);
}

// Runs filter from input to output; messages name shownInput and
// shownOutput (a save writes a temporary beside the file it replaces).
int RunFilter(const TInfConv& filter, const char* input, const char* output, const char* shownInput,
              const char* shownOutput)
{
    const char direction = DirectionOf(filter.libraryName) == 'F' ? 'F' : 'T';
    const char* entryName = direction == 'F' ? kImportEntry : kExportEntry;
    HMODULE module = LoadConversionLibrary(filter.libraryName);
    if (!module)
    {
        CString text;
        text.Format(GetResourceString(IDS_CONV_FILTER_NOT_FOUND), filter.libraryName);
        MsgBox(IDS_CONV_FILTER_NOT_FOUND, text, MB_OK);
        return 0;
    }
    FilterEntry entry = (FilterEntry)GetProcAddress(module, entryName);
    if (!entry)
    {
        const CString text = GetResourceString(IDS_CONV_ERROR_IN_DLL) + filter.libraryName + ". " +
                             GetResourceString(IDS_CONV_NO_FUNCTION) + entryName + " !";
        FreeLibrary(module);
        MsgBox(IDS_CONV_ERROR_IN_DLL, text, MB_OK);
        return 0;
    }
    const int code = entry(input, output, filter.subtype, filter.option, Display);
    FreeLibrary(module);
    if (code == 0)
        return 1;
    std::string in = shownInput, out = shownOutput;
    CString text;
    LoadErrorMessage(text, code, direction, &in[0], &out[0]);
    MsgBox(IDS_CONV_FATAL, text, MB_OK);
    return 0;
}

int CallConvOther(CWView*, TInfConv& filter, const char* intermediate, const char* foreign)
{
    if (DirectionOf(filter.libraryName) == 'F')
        return RunFilter(filter, foreign, intermediate, foreign, intermediate);
    return RunFilter(filter, intermediate, foreign, intermediate, foreign);
}
