#include "dialogs/field_dialogs.h"

CWDateTimeDlg::CWDateTimeDlg(const GDateTime& field, CWnd*) : m_pField(new GDateTime(field))
{
}

CWDateTimeDlg::~CWDateTimeDlg()
{
    delete m_pField;
}

INT_PTR CWDateTimeDlg::DoModal()
{
    delete m_pField;
    m_pField = NULL;
    return IDCANCEL;
}

CWPageNumDlg::CWPageNumDlg(const GPageNum& field, CWnd*) : m_pField(new GPageNum(field))
{
}

CWPageNumDlg::~CWPageNumDlg()
{
    delete m_pField;
}

INT_PTR CWPageNumDlg::DoModal()
{
    delete m_pField;
    m_pField = NULL;
    return IDCANCEL;
}
