// The cells library's exchange form of an older document's spreadsheet
// cell, and its conversion to the form the word processor's cell items
// hold today.
//
// Stored record: a uint16 length n, then n bytes: the kind byte (0 empty,
// 1 number, 2 text, 3 formula), the column and the row (uint16 each, from
// 0), then by kind: a number as an 8-byte double; a text as a uint16
// length and its characters; a formula as a uint16 length, its characters
// and the 8-byte double it last gave; then the number format byte (0
// general, 1 fixed, 2 percent) and the decimals byte. The reader always
// takes exactly the n bytes, whatever they hold, so a record it does not
// understand leaves the stream in step.
#pragma once
#include "afx.h"

struct COldCellRecord
{
    enum Kind : BYTE { kEmpty = 0, kNumber = 1, kText = 2, kFormula = 3 };
    enum Format : BYTE { kGeneral = 0, kFixed = 1, kPercent = 2 };
    static const int kMostDecimals = 15;

    BYTE kind = kEmpty;
    WORD column = 0;
    WORD row = 0;
    double number = 0.0;     // a number, or what a formula last gave
    CString text;            // a text, or a formula's source
    BYTE format = kGeneral;
    BYTE decimals = 0;
};

// A cell as the current items hold it: its name ("B3") and the value text
// it shows.
struct CCellForm
{
    CString name;
    CString value;
};

// Reads one exchange record. A record whose content is short or of an
// unknown kind reads as an empty cell; only a stream that ends inside the
// record throws (the archive's end-of-file exception).
void ReadOldCellRecord(CArchive& ar, COldCellRecord& cell);
// The record in today's form.
CCellForm ConvertOldCell(const COldCellRecord& cell);
// The name of a cell from its column and row, both from 0: "A1", "AA10".
CString OldCellName(WORD column, WORD row);
