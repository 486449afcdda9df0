// Making and releasing a text flow, and keeping its caret and selection.
#include "model/GDoc.h"
#include "model/GOle.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "model/GPageInfo.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"

GDoc::GDoc(CWDocument* owner, long flowIndex)
    : m_chars(0, kCharGrow), m_tabs(0, kRecordGrow), m_fields(0, kRecordGrow), m_formats(0, kRecordGrow),
      m_rows(0, kRowGrow), m_paras(0, kRecordGrow), m_borders(0, kRecordGrow), m_shades(0, kRecordGrow),
      m_columns(0, kRecordGrow), m_pages(0, kRecordGrow), m_frames(0, kRecordGrow),
      m_pOwner(owner), m_nIndex((LONG)flowIndex), m_bMain(flowIndex == kBodyFlow ? 1 : 0),
      m_nClosingColumnPos(kClosingColumnPosition), m_nCaret(0), m_nSelFirst(0), m_nSelEnd(0),
      m_nPasteCount(0), m_nPasteSpaces(0), m_bDeletable(1), m_nSavedCaret(0), m_nSavedSelFirst(0),
      m_nSavedSelEnd(0), m_pFirstFrame(NULL), m_bInsertingPara(0)
{
    m_redraw.m_nIndex = m_nIndex;
    m_redraw.m_pDoc = this;

    m_chars.Add(GChar(kParagraphEnd));
    m_chars.Add(GChar(kBreak));
    m_chars.Add(GChar(kFlowEnd));

    GFormat format;
    format.pos = 0;
    format.style = Mint(0, 1);
    m_formats.Add(format);
    format.pos = 2;
    format.style = Mint();
    m_formats.Add(format);

    GRow row;
    row.first = 0;
    row.holes = GRow::NewHoles();
    m_rows.Add(row);
    row.first = 2;
    row.holes = GRow::NewHoles();
    m_rows.Add(row);

    GPara para;
    para.row = 0;
    para.style = m_nIndex == kBodyFlow ? Mint(0, 1) : Mint(kOtherFlowParaStyle, 0);
    m_paras.Add(para);
    para.row = 1;
    para.style = Mint();
    m_paras.Add(para);

    // One text column as wide as the text area of the page in force.
    GPageInfo fallback;
    const GPageInfo* page = owner ? owner->GetCurPageInfo() : NULL;
    tagColumnData data;
    data.width = (page ? page : &fallback)->GetTextWidth();
    data.gap = 0;
    m_columns.Add(GColumn(0, (signed char)1, &data, 0));
    GColumn closing(2, kClosingColumnCount, 0, 1);
    closing.position = kClosingColumnPosition;
    m_columns.Add(closing);

    GPage pageRecord;
    pageRecord.block = 0;
    m_pages.Add(pageRecord);
    pageRecord.block = 1;
    m_pages.Add(pageRecord);

    // The empty first row is as high as a blank in the flow's font.
    int ascent = 0;
    CSize size = CalcTextSizeSimple(0, 1, 1, ascent, NULL, 0, -1);
    m_rows[0].ascent = ascent;
    m_rows[0].height = size.cy;
    m_rows[1].ascent = ascent;
    m_rows[1].height = size.cy;
    m_rows[1].y = size.cy;
}

// The members go in reverse order: lists, redraw record, frames (through
// their Destroy), the record arrays, the fields (through their Destroy),
// tabs and characters. Once embedded-object and cell fields exist, their
// item pointers are cleared here first: the document's item list owns
// those items.
GDoc::~GDoc()
{
    // The document's item list owns the embedded objects and cells; the
    // fields going with the flow must not release them.
    for (LONG i = 0; i < m_fields.count; ++i)
        if (GOle* object = dynamic_cast<GOle*>(m_fields[i]))
            object->m_pItem = NULL;
    // A note flow freed with its document is no longer kept by undo records.
    GFootNote::ForgetNote(this);
    delete m_pMergeUndo;
}

void GDoc::Destroy()
{
    if (m_bDeletable)
        delete this;
}

void GDoc::SavePosition()
{
    m_nSavedCaret = m_nCaret;
    m_nSavedSelFirst = m_nSelFirst;
    m_nSavedSelEnd = m_nSelEnd;
}

void GDoc::LoadPosition()
{
    m_nCaret = m_nSavedCaret;
    m_nSelFirst = m_nSavedSelFirst;
    m_nSelEnd = m_nSavedSelEnd;
}

void GDoc::Debug(long) {}
