// GFootNote, the footnote mark (kind 10): a numbered reference in the text
// with a note flow of its own. The item primitives renumber it.
#pragma once
#include "model/GField.h"
#include "model/GDoc.h"

// Still missing: creating the note flow and its frame, per-page numbering
// (it counts through the whole flow for now), the note frame's sizing and
// placing (OnChangePage), notifying the views, measuring, drawing
// and the stored form.
class GFootNote : public GField
{
public:
    LONG m_nStyle;               // kMarkArabic...; -1 marks the note-side mark
    LONG m_bPerPage;             // numbers restart on every page
    LONG m_nFixed;               // not 0: shown instead of a counted number
    LONG m_nNumber;
    LONG m_nShownStyle;          // style and per-page setting of the mark text
    LONG m_nShownPerPage;
    CString m_strMark;
    GDoc* m_pNote;               // the note flow, held in the document's flow list
    LONG m_bStale;               // set when made or moved; Update clears it

    GFootNote(GDoc* owner, long position, int style)
        : GField(owner, position), m_nStyle(style), m_bPerPage(0), m_nFixed(0), m_nNumber(0),
          m_nShownStyle(-2), m_nShownPerPage(0), m_strMark("1"), m_pNote(NULL), m_bStale(1)
    {
        m_nKind = kFieldFootNote;
    }
    // The note flow is not deleted here: the document's flow list holds it.
    ~GFootNote() override {}

    // The copy shares the note flow, which the document's flow list keeps.
    GField* CreateCopy() override { return new GFootNote(*this); }

    char* AsText(long) override
    {
        Update();
        return m_strMark.GetBuffer(128);
    }

    // Numbers the mark after the nearest earlier mark of the same style
    // and gives the note-side mark the same text.
    void Update() override
    {
        if (m_nStyle < 0)
            return;
        m_bStale = 0;
        LONG number = m_nFixed;
        if (number == 0)
        {
            number = 1;
            for (LONG i = m_pDoc ? m_pDoc->m_fields.count - 1 : -1; i >= 0; --i)
            {
                GField* f = m_pDoc->m_fields[i];
                if (f == this || f->m_nKind != kFieldFootNote || f->m_nPos >= m_nPos)
                    continue;
                GFootNote* before = (GFootNote*)f;
                if (before->m_nStyle != m_nStyle)
                    continue;
                number = before->m_nNumber + 1;
                break;
            }
        }
        if (number == m_nNumber && m_nShownStyle == m_nStyle && m_nShownPerPage == m_bPerPage)
            return;
        m_nNumber = number;
        m_strMark = NumberText(m_nStyle, m_nNumber);
        m_nShownStyle = m_nStyle;
        m_nShownPerPage = m_bPerPage;
        if (m_pDoc)
            m_pDoc->m_redraw.InvalByPos(m_nPos, m_nPos + 1);
        if (m_pNote)
            for (LONG i = 0; i < m_pNote->m_fields.count; ++i)
            {
                GField* f = m_pNote->m_fields[i];
                if (f->m_nKind == kFieldFootNote && ((GFootNote*)f)->m_nStyle < 0)
                {
                    ((GFootNote*)f)->m_nNumber = m_nNumber;
                    ((GFootNote*)f)->m_strMark = m_strMark;
                    m_pNote->m_redraw.InvalByPos(f->m_nPos, f->m_nPos + 1);
                    break;
                }
            }
    }
};
