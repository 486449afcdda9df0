// The number format of a spreadsheet cell: locking, hiding, the kind of
// number shown and how. The cell items carry one; importers fill it.
#pragma once

// Still missing: the formatting of a cell's value by its format; a cell
// keeps the format and hands it back, nothing reads it to draw.
struct CZTCellFormat
{
    enum { kGeneral = 0, kCurrency = 2, kPercent = 3, kScientific = 5, kDate = 7 };
    static constexpr int kNoPrecision = -1;
    static constexpr int kMostPrecision = 15;

    bool locked = false;
    bool hidden = false;
    int numberType = kGeneral;
    bool dayFirst = false;           // dates: day before month
    bool monthName = false;          // dates: the month as a name, the year short
    bool negativeInBrackets = false;
    bool thousands = false;
    int precision = kNoPrecision;    // 0..kMostPrecision, or none

    bool operator==(const CZTCellFormat& o) const
    {
        return locked == o.locked && hidden == o.hidden && numberType == o.numberType && dayFirst == o.dayFirst &&
               monthName == o.monthName && negativeInBrackets == o.negativeInBrackets && thousands == o.thousands &&
               precision == o.precision;
    }
    bool operator!=(const CZTCellFormat& o) const { return !(*this == o); }
};
