// The built-in values of the settings record and the measurement texts.
#include "afxwin.h"
#include "app/CWOptions.h"
#include "model/utilities.h"
#include <cstdio>

CWOptions Options;

namespace {
const LONG kOneInch = 254;   // 0.1 mm
const LONG kDefaultFontSize = 42;   // about 12 pt
// Grey level of each display colour's default.
const BYTE kDefaultGrey[CWOptions::kColorCount] = { 255, 128, 192, 192, 192, 192, 255, 192, 192 };
}

CWOptions::CWOptions() : m_bMetric(TRUE), m_MarginBottom(kOneInch), m_MarginLeft(kOneInch),
    m_MarginRight(kOneInch), m_MarginTop(kOneInch)
{
    memset(&m_DefaultFormat, 0, sizeof(m_DefaultFormat));
    m_DefaultFormat.size = kDefaultFontSize;
    m_DefaultFormat.colour = RGB(0, 0, 0);
    m_DefaultFormat.attributes = 0;
    strcpy(m_DefaultFormat.face, "Times New Roman");
    for (int i = 0; i < kColorCount; i++)
        Colors[i] = RGB(kDefaultGrey[i], kDefaultGrey[i], kDefaultGrey[i]);
    EnableFieldColor = FALSE;
}

void CWOptions::SetMeasure(char* text, long value, unsigned char decimals, int withUnit) const
{
    double shown = m_bMetric ? value / 100.0 : value / 100.0 / 2.54;
    // Plain C formatting: wsprintf knows no floating point.
    sprintf(text, "%.*f", (int)decimals, shown);
    DelZeros(text);
    if (withUnit)
        strcat(text, m_bMetric ? " cm" : "\"");
}
