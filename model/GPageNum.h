// GPageNum, the page-number field (kind 3): the number of the page it is
// drawn on, the number of the last page, or both, in one of ten layouts of
// the string table, formatted anew for every page. Measured and drawn as
// text in its placeholder's style (model/field_drawing.cpp).
#pragma once
#include "model/GField.h"

const BYTE kPageNumFormatCount = 10;

// The text holds the longest layout, "Page: %lu of %lu", with two numbers
// of eleven characters ("-2147483648") and its NUL; a longer text from a
// changed string table is cut short.
const int kPageNumTextSize = 33;

class GPageNum : public GField
{
public:
    BYTE m_nFormat;
    LONG m_nStart;               // the number of the first page
    char m_szText[kPageNumTextSize];

    GPageNum(GDoc* owner, long position, unsigned char format, long start);
    GPageNum(const GPageNum& other);

    // The whole field, base part included.
    GField& operator=(const GField& other) override;
    bool operator==(const GField& other) const override;

    // After the common part: format (u8) and start (i32).
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    // The text for the 1-based page; numbers are signed, so a start below
    // 1 reads "-2", never a wrapped-around huge number. A format above 9
    // leaves the text as it was.
    char* AsText(long page) override;
    GField* CreateCopy() override { return new GPageNum(*this); }

    // The number of pages of the document's body (of the field's own flow
    // when it stands in no document).
    long PageCount() const;
};
