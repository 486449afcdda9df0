// The date and time field dialog and the page-number dialog, opened on a
// copy of a field; a double-click on the field's mark reaches them
// through the flow (editing/format_caret_item.cpp).
#pragma once
#include "afxwin.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"

// A modal dialog on a copy of a field of class T: after OK, m_pField is
// the new field (the caller takes it, nulling the member); after Cancel
// the copy is gone.
template <class T>
class CWFieldDialog
{
public:
    explicit CWFieldDialog(const T& field) : m_pField(new T(field)) {}
    ~CWFieldDialog() { delete m_pField; }
    CWFieldDialog(const CWFieldDialog&) = delete;
    CWFieldDialog& operator=(const CWFieldDialog&) = delete;
    T* m_pField = NULL;

protected:
    INT_PTR Cancel()
    {
        delete m_pField;
        m_pField = NULL;
        return IDCANCEL;
    }
};

// Least version: answers Cancel without showing anything; still missing
// the dialog template, its date, time and language lists and the preview.
class CWDateTimeDlg : public CWFieldDialog<GDateTime>
{
public:
    explicit CWDateTimeDlg(const GDateTime& field, CWnd* = NULL) : CWFieldDialog<GDateTime>(field) {}
    INT_PTR DoModal() { return Cancel(); }
    // After OK: plain text was asked for instead of a field.
    BOOL m_bAsText = FALSE;
};

// Least version: answers Cancel without showing anything; still missing
// the dialog template, the number formats and the alignment choice.
class CWPageNumDlg : public CWFieldDialog<GPageNum>
{
public:
    explicit CWPageNumDlg(const GPageNum& field, CWnd* = NULL) : CWFieldDialog<GPageNum>(field) {}
    INT_PTR DoModal() { return Cancel(); }
};
