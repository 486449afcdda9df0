// The base of every field (date, page number, list label, picture, ...):
// an object at a placeholder character of its flow, owned by the flow's
// GArrayI<GField*>. The item primitives and the word count use it.
#pragma once
#include "afxwin.h"
#include <typeinfo>
#include "model/number_formats.h"
#include "model/forward.h"

// Kind codes, also the first byte of every stored field.
const BYTE kFieldOle = 1;
const BYTE kFieldDateTime = 2;
const BYTE kFieldPageNum = 3;
const BYTE kFieldList = 6;
const BYTE kFieldDocTitle = 8;
const BYTE kFieldImage = 9;
const BYTE kFieldFootNote = 10;
const BYTE kFieldCaption = 11;
const BYTE kFieldCell = 12;
const BYTE kFieldLumifex = 13;

// Number styles of footnote marks and captions.
const int kMarkArabic = 0;
const int kMarkRomanUpper = 1;
const int kMarkLetterUpper = 2;
const int kMarkLetterLower = 3;

class GField
{
public:
    GDoc* m_pDoc = NULL;         // the flow that holds the field; not owned
    BYTE m_nKind = 0;
    LONG m_nPos = 0;             // position of the placeholder in m_pDoc
    GField* m_pSource = NULL;    // the field this one was copied from; not owned

    GField() {}
    GField(GDoc* owner, long position) : m_pDoc(owner), m_nPos((LONG)position) {}
    GField(const GField& other) : m_pDoc(other.m_pDoc), m_nKind(other.m_nKind), m_nPos(other.m_nPos),
        m_pSource(const_cast<GField*>(&other)) {}
    virtual ~GField() {}

    // Writes a saved state back into a live field of the same kind: the
    // base copies owner, kind, position and source.
    virtual GField& operator=(const GField& other)
    {
        m_pDoc = other.m_pDoc;
        m_nKind = other.m_nKind;
        m_nPos = other.m_nPos;
        m_pSource = other.m_pSource;
        return *this;
    }
    // The base: both of one class with the same owner, kind, position and
    // source. Kinds say for themselves what makes two of them equal.
    virtual bool operator==(const GField& other) const
    {
        return typeid(*this) == typeid(other) && m_pDoc == other.m_pDoc && m_nKind == other.m_nKind &&
               m_nPos == other.m_nPos && m_pSource == other.m_pSource;
    }
    bool operator!=(const GField& other) const { return !(*this == other); }

    // The stored form: the common part (kind byte, position) comes first;
    // each kind reads and writes its own data after it. The flow's field
    // reader has already consumed the kind byte when OpenZVW is called.
    virtual void OpenZVW(CArchive& ar) { ar >> m_nPos; }
    virtual void SaveZVW(CArchive& ar) { ar << m_nKind << m_nPos; }

    // The field's text for the 1-based page it stands on, owned by the
    // field; null when the field shows no text.
    virtual char* AsText(long) { return NULL; }
    // Recomputes what the field shows; the base has nothing to recompute.
    virtual void Update() {}
    // Measuring and drawing as a short text in the placeholder's character
    // style (model/field_drawing.cpp), the kinds with their own look
    // override both. GetSize answers the size on dc for the 1-based page
    // and sets ascent; a field without text measures 0 x 0, a text wider
    // than its row one unit narrower than the row. Draw draws at dc's
    // current position, first filling the background in the field's
    // colour of the options when shade is set.
    virtual CSize GetSize(CDC* dc, int& ascent, long page);
    virtual void Draw(CDC* dc, int shade, long page, CWView* view);
    // A new heap copy for kinds that keep state of their own; the base
    // answers the object itself, so callers that need an independent copy
    // use CopyField.
    virtual GField* CreateCopy() { return this; }
    // The size of a picture or embedded object in 0.1 mm. Kinds without
    // an object answer 0 x 0 and ignore a new size.
    virtual CSize GetObjectSize() const { return CSize(0, 0); }
    virtual void SetObjectSize(const CSize&) {}
    // Object and cell fields point their item's object back at this
    // field, so that a copy kept by an undo record does not own it. Other
    // kinds hold no item.
    virtual void NullOwner() {}
    // The name of a cell field's cell; other kinds have none and ignore a
    // new one.
    virtual CString GetCellName() const { return CString(); }
    virtual void SetCellName(const CString&) {}

    // An independent heap copy of field (undo records and pastes keep
    // these): the kind's own copy, or a base copy for kinds with no state
    // beyond the base.
    static GField* CopyField(GField* field)
    {
        if (!field)
            return NULL;
        GField* copy = field->CreateCopy();
        return copy != field ? copy : new GField(*field);
    }

    // Deletes the field through its virtual destructor. Arrays call it only
    // for fields that exist; the static form takes a field that may be null.
    void Destroy() { delete this; }
    static void Destroy(GField* field)
    {
        if (field)
            field->Destroy();
    }

    // The text of a footnote or caption number: arabic, upper-case Roman,
    // or one letter that starts again after Z. Another style gives "".
    static CString NumberText(int style, int number)
    {
        CString text;
        char buffer[kNumberTextSize];
        switch (style)
        {
        case kMarkArabic:
            text.Format("%d", number);
            break;
        case kMarkRomanUpper:
            text = ToRoman(number, buffer, 1);
            break;
        case kMarkLetterUpper:
        case kMarkLetterLower:
        {
            int step = number > 0 ? (number - 1) % 26 : 0;
            text = CString((char)((style == kMarkLetterUpper ? 'A' : 'a') + step), 1);
            break;
        }
        }
        return text;
    }
};
