// GLumifex, a text effect in the text (kind 13): an effect of the
// text-effects library placed like a picture. The flow's field list holds
// it as a picture of its rendered bitmap; its effect goes in the flow's
// text-effect stream (document/new_fields.cpp), whose reader puts it back
// in the picture's place.
#pragma once
#include "model/GField.h"
#include "CFX.h"

class COleDataSource;

class GLumifex : public GField
{
public:
    CRect m_rect;                // where it was drawn last
    LONG m_nWidth = 0;           // displayed size, 0.1 mm; 0 x 0: not yet set
    LONG m_nHeight = 0;
    CFX m_fx;
    CClientDC* m_pScreen;        // the whole screen, on which the effect renders; owned
    char* m_pText = NULL;        // AsText's copy of the effect's text; owned

    // A new effect on the options' page colour.
    GLumifex(GDoc* owner, long position);
    GLumifex(const GLumifex& other);
    ~GLumifex() override;

    // Its place in the field list is written as a picture; read back as
    // one, so reading here takes nothing.
    void OpenZVW(CArchive&) override {}
    void SaveZVW(CArchive& ar) override;
    char* AsText(long) override;
    CSize GetSize(CDC* dc, int& ascent, long page) override;
    void Draw(CDC* dc, int shade, long page, CWView* view) override;
    void Update() override;
    // A copy of its own (undo records and pastes keep these).
    GField* CreateCopy() override { return new GLumifex(*this); }
    CSize GetObjectSize() const override { return CSize(m_nWidth, m_nHeight); }
    void SetObjectSize(const CSize& size) override { m_nWidth = size.cx, m_nHeight = size.cy; }

    void SetSize(CSize size);
    CRect GetRect(CWView* view);     // view/object_field_rects.cpp
    GField& operator=(const GField& other) override;
    GLumifex& operator=(const GLumifex& other) { operator=(static_cast<const GField&>(other)); return *this; }
    bool operator==(const GField& other) const override;
    // The rendered bitmap as a CF_DIB block. Still missing: handing it to
    // the data source waits for the clipboard layer; the caller gets the
    // block (null without a bitmap or memory) and owns it.
    HGLOBAL CopyToClipboardDIB(COleDataSource* source);

    // The record of the text-effect stream; Load expects its kind byte
    // read.
    void Save(CArchive& ar);
    void Load(CArchive& ar);

private:
    void DropText();
};
