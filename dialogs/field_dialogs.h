// The date and time field dialog and the page-number dialog, opened on a
// copy of a field; a double-click on the field's mark reaches them
// through the flow (editing/format_caret_item.cpp).
#pragma once
#include "afxwin.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"

// Least version: answers Cancel without showing anything; still missing
// the dialog template, its date, time and language lists and the preview.
class CWDateTimeDlg
{
public:
    explicit CWDateTimeDlg(const GDateTime& field, CWnd* parent = NULL);
    ~CWDateTimeDlg();
    INT_PTR DoModal();
    // After OK: the new field (the caller takes it, nulling this) and
    // whether plain text was asked for instead of a field.
    GDateTime* m_pField = NULL;
    BOOL m_bAsText = FALSE;
};

// Least version: answers Cancel without showing anything; still missing
// the dialog template, the number formats and the alignment choice.
class CWPageNumDlg
{
public:
    explicit CWPageNumDlg(const GPageNum& field, CWnd* parent = NULL);
    ~CWPageNumDlg();
    INT_PTR DoModal();
    // After OK: the new field (the caller takes it, nulling this).
    GPageNum* m_pField = NULL;
};
