// Lengths in the user's unit. The unit family knows all five units of
// Units; the measure family only inches (Units 0) and centimetres (every
// other unit).
#include "afxwin.h"
#include "afxctrls.h"
#include "app/CWOptions.h"
#include "model/utilities.h"
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const double kPerInch = 254.0;        // 0.1 mm
const double kPerMillimetre = 10.0;
const double kPerCentimetre = 100.0;
const double kPerPoint = 254.0 / 72;
const double kPerPica = 254.0 / 6;    // 12 points
const double kCmPerInch = 2.54;
const char kInchMark[] = "\"";
const char kCmMark[] = " cm";
// Decimals of GetInUnitsByString.
const int kUnitDecimals = 2;

// 0.1 mm in one unit of Units; 0 for an unknown unit.
double TenthsPerUnit(BYTE units)
{
    switch (units)
    {
    case CWOptions::kUnitInch: return kPerInch;
    case CWOptions::kUnitMillimetre: return kPerMillimetre;
    case CWOptions::kUnitCentimetre: return kPerCentimetre;
    case CWOptions::kUnitPoint: return kPerPoint;
    case CWOptions::kUnitPica: return kPerPica;
    default: return 0;
    }
}

// The number at the start of text: blanks, a sign, digits with a decimal
// point and an exponent as far as they go; 0 when there is none. Only this
// form: no hexadecimal, infinity or NaN spellings.
double LeadingNumber(const char* text)
{
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        p++;
    const char* start = p;
    if (*p == '+' || *p == '-')
        p++;
    const char* digits = p;
    while (isdigit((unsigned char)*p))
        p++;
    if (*p == '.')
        p++;
    while (isdigit((unsigned char)*p))
        p++;
    if (p == digits || (p == digits + 1 && *digits == '.'))
        return 0;
    if (*p == 'e' || *p == 'E')
    {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-')
            exponent++;
        if (isdigit((unsigned char)*exponent))
        {
            p = exponent;
            while (isdigit((unsigned char)*p))
                p++;
        }
    }
    CString number(start, (int)(p - start));
    return strtod(number, NULL);
}

// value with decimals, trailing zeros and point removed, and mark after it,
// in at most size characters with the terminator: fewer decimals when the
// number would not fit, and as a last resort the exponent form.
char* FormatFitting(char* text, size_t size, double value, int decimals, const char* mark)
{
    const size_t room = size - 1 - strlen(mark);
    char number[512];
    for (int d = decimals; d >= 0; d--)
    {
        // A number far too large for the room needs no narrower try.
        if (snprintf(number, sizeof(number), "%.*f", d, value) >= (int)sizeof(number))
            break;
        DelZeros(number);
        if (strlen(number) <= room)
        {
            snprintf(text, size, "%s%s", number, mark);
            return text;
        }
    }
    for (int precision = 15; precision >= 1; precision--)
    {
        snprintf(number, sizeof(number), "%.*g", precision, value);
        if (strlen(number) <= room || precision == 1)
            break;
    }
    snprintf(text, size, "%s%s", number, mark);
    return text;
}

BOOL Contains(const char* text, const char* part)
{
    return strstr(text, part) != NULL;
}

} // namespace

CString CWOptions::GetUnitString() const
{
    static const char* const kNames[] = {"inch", "mm", "cm", "points", "picas"};
    return Units <= kUnitPica ? CString(kNames[Units]) : CString();
}

double CWOptions::GetInUnitsByFloat(long value) const
{
    const double perUnit = TenthsPerUnit(Units);
    return perUnit ? value / perUnit : 0;
}

int CWOptions::GetInUnitsByInt(long value) const
{
    return Round(GetInUnitsByFloat(value));
}

CString CWOptions::GetInUnitsByString(long value) const
{
    CString text;
    text.Format("%.*f", kUnitDecimals, GetInUnitsByFloat(value));
    return text;
}

long CWOptions::GetInMM01(float value) const
{
    return Round(value * TenthsPerUnit(Units));
}

long CWOptions::GetInMM01(CString text) const
{
    return GetInMM01((float)LeadingNumber(text));
}

char* CWOptions::SetMeasure(char* text, float cm, unsigned char decimals, int withUnit) const
{
    const double shown = Units == kUnitInch ? cm / kCmPerInch : cm;
    const char* mark = !withUnit ? "" : Units == kUnitInch ? kInchMark : kCmMark;
    return FormatFitting(text, kMeasureTextSize, shown, decimals, mark);
}

char* CWOptions::SetMeasure(char* text, long value, unsigned char decimals, int withUnit) const
{
    return SetMeasure(text, (float)(value / kPerCentimetre), decimals, withUnit);
}

void CWOptions::SetMeasure(CEdit& edit, long value, unsigned char decimals, int withUnit) const
{
    char text[kMeasureTextSize];
    edit.SetWindowText(SetMeasure(text, value, decimals, withUnit));
}

void CWOptions::SetMeasure(CEdit& edit, float cm, unsigned char decimals, int withUnit) const
{
    char text[kMeasureTextSize];
    edit.SetWindowText(SetMeasure(text, cm, decimals, withUnit));
}

int CWOptions::GetMeasure(const char* text, float& cm) const
{
    double number = LeadingNumber(text);
    int unit = Units;
    if (Contains(text, "cm") || Contains(text, "Cm") || Contains(text, "CM"))
        unit = kUnitCentimetre;
    // Tested after centimetres and winning over them.
    if (Contains(text, kInchMark) || Contains(text, "in") || Contains(text, "In") || Contains(text, "IN"))
        unit = kUnitInch;
    if (unit == kUnitInch)
        number *= kCmPerInch;
    cm = (float)number;
    return 1;
}

int CWOptions::GetMeasure(const char* text, long& value) const
{
    float cm;
    int result = GetMeasure(text, cm);
    value = Round(cm * kPerCentimetre);
    return result;
}

int CWOptions::GetMeasure(CEdit& edit, long& value) const
{
    char text[kMeasureTextSize] = {};
    edit.GetWindowText(text, sizeof(text));
    return GetMeasure(text, value);
}

int CWOptions::GetMeasure(CEdit& edit, float& cm) const
{
    char text[kMeasureTextSize] = {};
    edit.GetWindowText(text, sizeof(text));
    return GetMeasure(text, cm);
}

int CWOptions::GetValue(CEdit& edit, float& value) const
{
    char text[kMeasureTextSize] = {};
    edit.GetWindowText(text, sizeof(text));
    value = (float)LeadingNumber(text);
    return 1;
}

void CWOptions::SetValue(CEdit& edit, float value, unsigned char decimals) const
{
    char text[kMeasureTextSize];
    edit.SetWindowText(FormatFitting(text, sizeof(text), value, decimals, ""));
}
