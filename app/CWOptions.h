// The global settings record Options: default character format, page
// margins and measurement unit; new documents and style texts read it.
#pragma once
#include "afxwin.h"

// Still missing: the settings record is completed with the application
// shell (unit byte, undo steps, smart cut and paste, field colours, the
// colour options, reading and writing the profile); until then it holds the
// built-in defaults of the members below.
class CWOptions
{
public:
    // The default character format, at the start of the record as the
    // default-font options page writes it.
    struct CharFormat
    {
        LONG size;          // 0.1 mm
        COLORREF colour;
        WORD attributes;    // GFontStyle attribute bits
        char face[32];
    };

    CWOptions();

    // Writes value (0.1 mm) as centimetres, or as inches while the metric
    // flag is clear, with the given decimals and without trailing zeros;
    // withUnit appends " cm" or "\"".
    void SetMeasure(char* text, long value, unsigned char decimals, int withUnit) const;

    CharFormat m_DefaultFormat;
    BOOL m_bMetric;            // lengths shown in centimetres, else inches
    // Page margins in 0.1 mm.
    LONG m_MarginBottom;
    LONG m_MarginLeft;
    LONG m_MarginRight;
    LONG m_MarginTop;

    // Display colours, indexed as kColor*: the paper, the area around the
    // pages, field backgrounds by kind, column guides.
    enum { kColorPage, kColorWorkspace, kColorDateTime, kColorPageNum, kColorFormula,
           kColorMailMerge, kColorBullNumber, kColorHeaderFooter, kColorColumns, kColorCount };
    COLORREF Colors[kColorCount];
    // Fields keep their screen background when printed.
    BOOL EnableFieldColor;
};

extern CWOptions Options;
