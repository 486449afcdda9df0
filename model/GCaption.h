// GCaption, a numbered caption (kind 11) of an object field; the item
// primitives renumber the captions after a removed field.
#pragma once
#include "model/GField.h"
#include "model/GDoc.h"

const int kCaptionBefore = 0;
const int kCaptionAfter = 1;
const int kCaptionAbove = 2;
const int kCaptionBelow = 3;

// Still missing: the class-wide caption settings and labels, placing the
// caption beside its object, cell names for generic captions, notifying
// the views, measuring, drawing and the stored form; the label is given
// by the caller instead of the string table.
class GCaption : public GField
{
public:
    LONG m_nFormat;              // kMarkArabic...
    LONG m_nFixed;               // not 0: shown instead of a counted number
    LONG m_nNumber;
    CString m_strLabel;
    CString m_strText;
    GField* m_pObject;           // the captioned field; not owned
    LONG m_nPlacement;           // kCaptionBefore...
    LONG m_bGeneric;             // the text is the label alone

    GCaption(GDoc* owner, long position, int format, const char* label)
        : GField(owner, position), m_nFormat(format), m_nFixed(0), m_nNumber(0), m_strLabel(label),
          m_pObject(NULL), m_nPlacement(kCaptionBefore), m_bGeneric(0)
    {
        m_nKind = kFieldCaption;
        m_strText = m_strLabel + "1";
    }

    char* AsText(long) override { return m_strText.GetBuffer(128); }
    // The copy captions the same object field; it does not own it.
    GField* CreateCopy() override { return new GCaption(*this); }

    // Numbers the caption after the nearest earlier caption with the same
    // label and format.
    void Update() override
    {
        LONG number = m_nFixed;
        if (number == 0)
        {
            number = 1;
            for (LONG i = m_pDoc ? m_pDoc->m_fields.count - 1 : -1; i >= 0; --i)
            {
                GField* f = m_pDoc->m_fields[i];
                if (f == this || f->m_nKind != kFieldCaption || f->m_nPos >= m_nPos)
                    continue;
                GCaption* before = (GCaption*)f;
                if (before->m_nFormat == m_nFormat && before->m_strLabel == m_strLabel)
                {
                    number = before->m_nNumber + 1;
                    break;
                }
            }
        }
        if (number == m_nNumber)
            return;
        m_nNumber = number;
        if (m_bGeneric)
            m_strText = m_strLabel;
        else if (m_nFormat >= kMarkArabic && m_nFormat <= kMarkLetterLower)
            m_strText = m_strLabel + NumberText(m_nFormat, m_nNumber);
        if (m_pDoc)
            m_pDoc->m_redraw.InvalByPos(m_nPos, m_nPos + 1);
    }
};
