// GDocTitle, the document-title field (kind 8): shows the title of the
// document that owns its flow, fetched anew every time it is measured or
// drawn. Measured and drawn as text in its placeholder's style
// (model/field_drawing.cpp).
#pragma once
#include "model/GField.h"

class GDocTitle : public GField
{
public:
    BYTE m_nCode;                // given at creation, kept and stored
    CString m_strTitle;          // the title last shown

    GDocTitle(GDoc* owner, long position, unsigned char code);
    // The base part and the code; the title is fetched when next shown.
    GDocTitle(const GDocTitle& other);

    // Base part, code and title.
    GField& operator=(const GField& other) override;
    // Base parts and codes; the title is only what the field last showed
    // and is fetched again before it is shown, so it is not compared.
    bool operator==(const GField& other) const override;

    // After the common part: the code (u8) and the title as a CString.
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    // The owning document's title (empty for a flow outside a document).
    char* AsText(long) override;
    GField* CreateCopy() override { return new GDocTitle(*this); }
};
