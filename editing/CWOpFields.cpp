// Undo and redo of field operations; they replay the change through the
// flow's editing interface (InsertField, DeleteText, SetOleSize).
#include "editing/CWOpFields.h"
#include "resources/resource.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "model/GCaption.h"

IMPLEMENT_DYNAMIC(CWOpFieldCopy, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpInsertField, CWOpFieldCopy)
IMPLEMENT_DYNCREATE(CWOpDeleteField, CWOpFieldCopy)
IMPLEMENT_DYNCREATE(CWOpResize, CWOperationItem)

namespace
{
struct FieldNames
{
    BYTE kind;
    int insertId;
    const char* insertText;
    int deleteId;
    const char* deleteText;
};

const FieldNames kFieldNames[] = {
    {kFieldOle, IDS_OP_INSERT_OLE_OBJECT, "Insert OLE Object", IDS_OP_DELETE_OLE_OBJECT, "Delete OLE Object"},
    {kFieldDateTime, IDS_OP_INSERT_DATE_AND_TIME, "Insert Date and Time", IDS_OP_DELETE_DATE_AND_TIME,
     "Delete Date and Time"},
    {kFieldPageNum, IDS_OP_INSERT_PAGE_NUMBER, "Insert Page Number", IDS_OP_DELETE_PAGE_NUMBER, "Delete Page Number"},
    {kFieldDocTitle, IDS_OP_INSERT_DOCUMENT_TITLE, "Insert Document Title", IDS_OP_DELETE_DOCUMENT_TITLE,
     "Delete Document Title"},
    {kFieldImage, IDS_OP_INSERT_PICTURE, "Insert Picture", IDS_OP_DELETE_PICTURE, "Delete Picture"},
    {kFieldFootNote, IDS_OP_INSERT_FOOTNOTE, "Insert Footnote", IDS_OP_DELETE_FOOTNOTE, "Delete Footnote"},
    {kFieldCaption, IDS_OP_INSERT_CAPTION, "Insert Caption", IDS_OP_DELETE_CAPTION, "Delete Caption"},
    {kFieldCell, IDS_OP_INSERT_FIELD, "Insert Field", IDS_OP_DELETE_FIELD, "Delete Field"},
    {kFieldLumifex, IDS_OP_INSERT_LUMIFEX, "Insert Lumifex", IDS_OP_DELETE_LUMIFEX, "Delete Lumifex"},
};

// The name of inserting or deleting field; footnotes and captions add
// their text.
CString FieldOperationName(GField* field, bool inserting)
{
    if (!field)
        return CString();
    for (const FieldNames& n : kFieldNames)
    {
        if (n.kind != field->m_nKind)
            continue;
        CString name = inserting ? OperationName(n.insertId, n.insertText) : OperationName(n.deleteId, n.deleteText);
        if (n.kind == kFieldFootNote)
            name += " - '" + ((GFootNote*)field)->m_strMark + "'";
        else if (n.kind == kFieldCaption)
            name += " - '" + ((GCaption*)field)->m_strText + "'";
        return name;
    }
    return CString();
}
}

bool IsRecordedFieldKind(BYTE kind)
{
    for (const FieldNames& n : kFieldNames)
        if (n.kind == kind)
            return true;
    return false;
}

// ---- Inserted field

CWOpFieldCopy::CWOpFieldCopy(GDoc* flow, long pos, GField* copy) : CWOperationItem(flow), m_nPos((LONG)pos)
{
    Hold(copy);
}

// A footnote's note flow and frame stay alive while a record holds a copy
// of its mark; the last record to let go frees them when they are out of
// the document.
static GDoc* NoteOf(GField* field)
{
    return field && field->m_nKind == kFieldFootNote ? ((GFootNote*)field)->m_pNote : NULL;
}

void CWOpFieldCopy::Hold(GField* copy)
{
    m_pCopy = copy;
    GFootNote::KeepNote(NoteOf(copy));
}

CWOpFieldCopy::~CWOpFieldCopy()
{
    GDoc* note = NoteOf(m_pCopy);
    delete m_pCopy;
    GFootNote::ReleaseNote(note);
}

CWOpInsertField::CWOpInsertField(GDoc* flow, long pos, GField* field)
    : CWOpFieldCopy(flow, pos, NULL), m_name(FieldOperationName(field, true))
{
}

BOOL CWOpInsertField::ActionUndo()
{
    if (!m_pCopy)
    {
        long index = m_pDoc->GetCharField(m_nPos);
        if (index >= 0)
            Hold(GField::CopyField(m_pDoc->m_fields[index]));
    }
    m_pDoc->SetPos(m_nPos);
    m_pDoc->DeleteText(m_nPos, m_nPos + 1, 1);
    return TRUE;
}

BOOL CWOpInsertField::ActionRedo()
{
    // Without a kept copy (the field was gone at undo) there is nothing to
    // put back.
    if (m_pCopy)
        m_pDoc->InsertField(GField::CopyField(m_pCopy));
    m_pDoc->SetPos(m_nPos);
    return TRUE;
}

CString CWOpInsertField::GetName()
{
    return m_name;
}

// ---- Deleted field

CWOpDeleteField::CWOpDeleteField(GDoc* flow, long pos, GField* field)
    : CWOpFieldCopy(flow, pos, GField::CopyField(field))
{
    if (!m_pCopy)
        return;
    if (m_pCopy->m_nKind == kFieldOle || m_pCopy->m_nKind == kFieldCell)
        m_pCopy->NullOwner();
    if (m_pCopy->m_nKind == kFieldCell)
        m_cellName = field->GetCellName();
}

BOOL CWOpDeleteField::ActionUndo()
{
    if (!m_pCopy)
        return TRUE;
    GField* field = GField::CopyField(m_pCopy);
    field->m_nPos = m_nPos;
    if (field->m_nKind == kFieldCell)
        field->SetCellName(m_cellName);
    m_pDoc->InsertField(field);
    m_pDoc->SetPos(m_nPos + 1);
    field->Update();
    if (m_pDoc->m_pOwner)
        GetDocEditing(m_pDoc->m_pOwner).bPendingStyle = TRUE;
    return TRUE;
}

BOOL CWOpDeleteField::ActionRedo()
{
    m_pDoc->SetPos(m_nPos);
    m_pDoc->DeleteText(m_nPos, m_nPos + 1, 1);
    return TRUE;
}

CString CWOpDeleteField::GetName()
{
    return FieldOperationName(m_pCopy, false);
}

// ---- Resized picture or object

CWOpResize::CWOpResize(GDoc* flow, GField* field, long pos) : CWOperationItem(flow), m_pField(field), m_nPos((LONG)pos)
{
    CSize size = field ? field->GetObjectSize() : CSize(0, 0);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
}

void CWOpResize::Swap()
{
    if (!m_pField)
        return;
    CSize recorded(m_nWidth, m_nHeight);
    CSize current = m_pField->GetObjectSize();
    m_nWidth = current.cx;
    m_nHeight = current.cy;
    m_pField->SetObjectSize(recorded);
    m_pDoc->SetOleSize(m_nPos, recorded);
}

BOOL CWOpResize::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    Swap();
    return TRUE;
}

BOOL CWOpResize::ActionRedo()
{
    Swap();
    return TRUE;
}

CString CWOpResize::GetName()
{
    if (m_pField && m_pField->m_nKind == kFieldOle)
        return OperationName(IDS_OP_RESIZE_OLE_OBJECT, "Resize OLE Object");
    return OperationName(IDS_OP_RESIZE_PICTURE, "Resize Picture");
}
