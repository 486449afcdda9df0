// The hand-over of the older DOS product's documents (".XTX") to their
// password gate and importer.
#include "document/CWDocument.h"
#include "document/path_parts.h"
#include "convert/GDosConvertor.h"
#include "convert/conversion_services.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include <stdio.h>

namespace
{
// The password gate's answers.
const int kPasswordFailed = 0;
const int kPasswordAccepted = 1;
const int kNoPassword = 2;
const int kNotDosDocument = 4;
// OpenXTX's results: 0 the importer read the document, 1 nothing was read
// (not a DOS document), 2 it failed.
const int kDosRead = 0;
const int kDosNothingRead = 1;
const int kDosFailed = 2;
const int kDosStyledChars = 3;
const long kDosFlowCount = 6;

CWnd& OwnerWindow(CWnd& none)
{
    CWnd* main = AfxGetMainWnd();
    return main ? *main : none;
}

// The gate's unprotected copy holds a protected document's plain text: it
// goes when the import ends, however it ends.
class CTemporaryCopy
{
public:
    ~CTemporaryCopy()
    {
        if (!m_path.IsEmpty())
            DeleteFileA(m_path);
    }
    void Take(const CString& path) { m_path = path; }

private:
    CString m_path;
};
} // namespace

int CWDocument::OpenXTX()
{
    CWnd none;
    CWnd& owner = OwnerWindow(none);
    CString dosStyle;
    dosStyle.LoadString(IDS_FSTYLE_DOS);
    const bool styleExists = m_fontStyles.FindStyle((LPCSTR)dosStyle) >= 0;
    for (long i = 0; i < kDosFlowCount && i < m_flows.GetCount(); ++i)
    {
        m_flows[i]->SetPos(0);
        if (styleExists)
            m_flows[i]->SetFontStyle(0, kDosStyledChars, (LPCSTR)dosStyle);
    }
    fileLength = 0;

    const CString path = GetPathName();
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    {
        AfxMessageBox(IDS_DOS_FILE_NOT_FOUND, MB_ICONEXCLAMATION);
        return kDosFailed;
    }
    CTemporaryCopy copy;
    FILE* file = NULL;
    switch (CHK_password(owner, path))
    {
    case kPasswordFailed:
        return kDosFailed;
    case kNotDosDocument:
        return kDosNothingRead;
    case kNoPassword:
        file = OpenForReading(path);
        break;
    case kPasswordAccepted:
    default:
        copy.Take(DosTemporaryCopyPath());
        file = OpenForReading(DosTemporaryCopyPath());
        break;
    }
    if (!file)
    {
        AfxMessageBox(IDS_DOS_CANNOT_OPEN_INPUT, MB_ICONEXCLAMATION);
        return kDosFailed;
    }
    fseek(file, 0, SEEK_END);
    const long length = ftell(file);
    fileLength = length > 0 && length < INT32_MAX ? (int32_t)length : 0;
    rewind(file);

    CSize size(0, 0);
    int result = kDosFailed;
    {
        GDosConvertor convertor(file, owner, *this, size);
        if (convertor.ReadLib())
            result = convertor.LoadZentavoTX() == kDosRead ? kDosRead : kDosFailed;
    }
    fclose(file);
    if (result == kDosFailed)
        AfxMessageBox(IDS_DOS_WRONG_FORMAT, MB_ICONEXCLAMATION);
    for (long i = 0; i < kDosFlowCount && i < m_flows.GetCount(); ++i)
    {
        m_flows[i]->SetPos(0);
        m_flows[i]->UnSelect();
    }
    return result;
}
