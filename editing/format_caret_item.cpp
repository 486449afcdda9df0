// Formatting what the caret is on: text, or the field whose mark is the
// selection, through the view's commands and the field dialogs.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"
#include "document/CWDocument.h"
#include "view/CWView.h"
#include "dialogs/field_dialogs.h"
#include "resources/resource.h"
#include "editing/editing_support.h"
#include "editing/undo_group.h"
#include <string>

namespace
{
// The field whose mark stands at pos, or null.
GField* FieldAt(const GDoc& flow, long pos)
{
    const long i = flow.GetCharField(pos);
    return i >= 0 ? flow.m_fields[i] : NULL;
}
} // namespace

unsigned char GDoc::FormatXXXXType()
{
    long s = 0, e = 0;
    GetSelectionC(s, e);
    if (e - s > 1 || s < 0 || s >= m_chars.count || m_chars[s] != kFieldMark)
        return 0;
    const GField* field = FieldAt(*this, s);
    return field ? field->m_nKind : 0;
}

void GDoc::ReplaceFieldAt(long pos, GField* newField, const char* text)
{
    const GField* old = FieldAt(*this, pos);
    if (!old)
    {
        GField::Destroy(newField);
        return;
    }
    const int name = old->m_nKind == kFieldPageNum ? IDS_OP_CHANGE_PAGE_NUMBER_FORMAT : IDS_OP_CHANGE_DATE_TIME_FORMAT;
    CChangeBracket bracket(m_pOwner);
    CUndoGroup group(this, name);
    DeleteText(pos, pos + 1, 1);
    if (newField)
    {
        newField->m_pDoc = this;
        newField->m_nPos = (LONG)pos;
        InsertField(newField);
    }
    else if (text && *text)
    {
        std::string copy(text);
        InsertText(pos, &copy[0], 1);
    }
    MarkModified(this);
}

void GDoc::FormatXXXX(CWView* view, unsigned char fromCommand)
{
    long s = 0, e = 0;
    GetSelectionC(s, e);
    const unsigned char kind = FormatXXXXType();
    GField* field = FieldAt(*this, s);
    {
        CChangeBracket bracket(m_pOwner);
        switch (kind)
        {
        case 0:
            if (fromCommand == 1)
            {
                if (view)
                    view->OnFormatFont();
            }
            else
            {
                long ws = 0, we = 0;
                GetCurrentWord(m_nCaret, ws, we);
                if (we >= 0 && we != s)
                    Select(s, we);
            }
            break;
        case kFieldDateTime:
        {
            CWDateTimeDlg dialog(*(GDateTime*)field);
            if (dialog.DoModal() != IDOK || !dialog.m_pField)
                break;
            GDateTime* made = dialog.m_pField;
            dialog.m_pField = NULL;
            if (dialog.m_bAsText)
            {
                const char* shown = made->AsText(1);
                const std::string text(shown ? shown : "");
                delete made;
                ReplaceFieldAt(s, NULL, text.c_str());
            }
            else
                ReplaceFieldAt(s, made, NULL);
            break;
        }
        case kFieldPageNum:
        {
            CWPageNumDlg dialog(*(GPageNum*)field);
            if (dialog.DoModal() != IDOK || !dialog.m_pField)
                break;
            GPageNum* made = dialog.m_pField;
            dialog.m_pField = NULL;
            ReplaceFieldAt(s, made, NULL);
            break;
        }
        case kFieldList:
            if (view)
                view->OnFormatBullets();
            break;
        default:
            break;
        }
    }
    if (view)
        view->SetCaret(0);
}

void GDoc::InsertObject(int)
{
}
