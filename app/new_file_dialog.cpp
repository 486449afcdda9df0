// The New dialog.
#include "app/CWNewFileDlg.h"
#include "app/CWOptions.h"
#include "resources/resource.h"

int DiffNormal = 0;

namespace {
const char kTemplatePattern[] = "\\*.zvp";
const int kExtensionLength = 4;   // ".zvp"
}

BEGIN_MESSAGE_MAP(CWNewFileDlg, CXHelpDialog)
END_MESSAGE_MAP()

CWNewFileDlg::CWNewFileDlg(CWnd* pParent) : CXHelpDialog(IDD_NEW_FILE, pParent)
{
    m_strNormal.LoadString(IDS_DEFAULT_TEMPLATE_NAME);
}

void CWNewFileDlg::DoDataExchange(CDataExchange* pDX)
{
    CXHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEW_TEMPLATES, m_list);
    DDX_Radio(pDX, IDC_NEW_DOCUMENT, m_nTemplate);
}

BOOL CWNewFileDlg::OnInitDialog()
{
    CXHelpDialog::OnInitDialog();
    ListTemplates();
    return TRUE;
}

void CWNewFileDlg::ListTemplates()
{
    m_list.ResetContent();
    m_strFolder = Options.TemplatePath;
    // An empty folder must not become a search of the drive's root, and a
    // missing one has no short form: both list only the built-in entry.
    char shortFolder[MAX_PATH] = "";
    if (!m_strFolder.IsEmpty() && GetShortPathNameA(m_strFolder, shortFolder, sizeof shortFolder) > 0 &&
        strlen(shortFolder) + sizeof kTemplatePattern <= sizeof shortFolder)
    {
        CString pattern = shortFolder;
        if (pattern.Right(1) == "\\")
            pattern = pattern.Left(pattern.GetLength() - 1);
        pattern += kTemplatePattern;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern, &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            do
            {
                CString name = found.cFileName;
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.GetLength() > kExtensionLength)
                    m_list.AddString(name.Left(name.GetLength() - kExtensionLength));
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
    }
    // The list box's search finds an entry beginning with the text,
    // ignoring case.
    if (m_list.FindString(-1, m_strNormal) == LB_ERR)
    {
        m_list.AddString(m_strNormal);
        DiffNormal = 0;
    }
    else
        DiffNormal = 1;
    m_list.SetCurSel(m_list.FindString(-1, m_strNormal));
}

void CWNewFileDlg::OnOK()
{
    const int chosen = m_list.GetCurSel();
    if (chosen == LB_ERR)
        return;
    m_list.GetText(chosen, m_strChosen);
    CXHelpDialog::OnOK();
}

CString CWNewFileDlg::GetTemplate()
{
    if (m_strChosen == m_strNormal && DiffNormal == 0)
        return CString();
    CString path = m_strFolder;
    if (path.Right(1) != "\\")
        path += '\\';
    return path + m_strChosen + ".zvp";
}
