// The records a text flow keeps in its arrays (characters, format runs,
// paragraphs, tabs, rows and holes, border and shade runs, column blocks,
// pages, column data) with the stored form of each; used by GDoc, layout,
// editing and the native reader and writer.
#pragma once
#include "model/GArray.h"
#include <limits.h>

// Text codes inside a flow. Every flow ends with 13, 12, 0.
const BYTE kFlowEnd = 0;
const BYTE kFieldMark = 1;       // a GField stands at this position
const BYTE kTab = 9;             // a GTabulator stands at this position
const BYTE kBreak = 12;          // page or column break
const BYTE kParagraphEnd = 13;

const LONG kNoPosition = -1;     // "none" for positions and record indexes
const LONG kMostCount = INT_MAX;

// One character of a flow. Stored as its byte.
struct GChar
{
    BYTE c;

    GChar(BYTE code = 0) : c(code) {}
    operator BYTE() const { return c; }

    // A flow always holds at least its closing 13, 12, 0.
    static const int kStoredSize = 1;
    static const LONG kLeastStoredCount = 3;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const { ar << c; }
    void Read(CArchive& ar) { ar >> c; }
};

// A style reference of a format run or paragraph: an index into the
// document's font or paragraph table (master 0) or its master table
// (master 1). Index -1 (0xFFFF) names no style.
const short kNoStyle = -1;
struct Mint
{
    short index;
    BYTE master;
    BYTE reserved;    // always 0

    Mint(short styleIndex = kNoStyle, BYTE isMaster = 0) : index(styleIndex), master(isMaster), reserved(0) {}
    bool operator==(const Mint& other) const { return index == other.index && master == other.master; }
    bool operator!=(const Mint& other) const { return !(*this == other); }

    static const int kStoredSize = 4;
    void Write(CArchive& ar) const { ar << index << master << (BYTE)0; }
    void Read(CArchive& ar)
    {
        BYTE skipped;
        ar >> index >> master >> skipped;
        reserved = 0;
    }
};

// A character-format run: from pos up to the next run's pos. The last run
// of a flow is a closing run at the position of the final 0.
struct GFormat
{
    LONG pos = 0;
    Mint style;

    static const int kStoredSize = 8;
    static const LONG kLeastStoredCount = 1;
    static const LONG kMostStoredCount = 1000000;
    void Write(CArchive& ar) const { ar << pos; style.Write(ar); }
    void Read(CArchive& ar) { ar >> pos; style.Read(ar); }
};

// A paragraph: its first row and its paragraph style. The last record is
// a closing paragraph on the row after the last real row.
struct GPara
{
    LONG row = 0;
    Mint style;

    static const int kStoredSize = 8;
    static const LONG kLeastStoredCount = 0;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const { ar << row; style.Write(ar); }
    void Read(CArchive& ar) { ar >> row; style.Read(ar); }
};

// A tab character's record; row breaking fills in x (from the column's
// left edge) and width.
struct GTabulator
{
    LONG pos = 0;
    LONG x = 0;
    LONG width = 0;

    static const int kStoredSize = 12;
    static const LONG kLeastStoredCount = 0;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const { ar << pos << x << width; }
    void Read(CArchive& ar) { ar >> pos >> x >> width; }
};

// A hole that a frame cuts into a row, and the free segment after it. Hole
// 0 of every row is the zero-width mark at the row's left margin. Holes are
// layout state and are never stored.
struct CHole
{
    LONG x = 0;
    LONG width = 0;
    LONG resume = kNoPosition;   // first character of the segment after the hole
    LONG* dxWidths = NULL;       // owned (new[]): advance widths of that segment's characters, for drawing
};

// Frees a hole's advance widths; holes are released this way when they
// leave their array.
inline void ReleaseRecord(CHole& hole)
{
    delete[] hole.dxWidths;
    hole.dxWidths = NULL;
}

#include "model/hole_array.h"

// A laid-out row. The row array ends with a closing row at the position of
// the final 0. A row owns its hole array; a copy added to an array hands
// the pointer over.
struct GRow
{
    LONG first = 0;              // first character
    LONG y = 0;                  // top, 0.1 mm from the top of the flow
    LONG ascent = 0;             // top of the row to its base line
    GArray<CHole>* holes = NULL; // owned; never empty once the row is in a flow
    LONG height = 0;
    LONG gapAfter = 0;           // extra space below the row
    LONG reserved = 0;

    // A row's hole array as new rows get it: capacity 1, grow 1, holding
    // the single mark {0, 0, none, none}.
    static GArray<CHole>* NewHoles()
    {
        GArray<CHole>* holes = new GArray<CHole>(1, 1);
        holes->Add(CHole());
        return holes;
    }

    // Hole edits and drawing queries, defined with row breaking in layout.
    void AddHole(CHole& hole);
    void DeleteHole(CHole& span);
    void DeleteHole(int index);
    LONG* GetCharDxWidths(long pos);
};

inline void ReleaseRecord(GRow& row)
{
    delete row.holes;
    row.holes = NULL;
}

// A row moves with the text before it: its start and the places where
// its text resumes after holes (a hole with none keeps none).
inline LONG ShiftedPosition(const GRow& row) { return row.first; }
inline void ShiftPositions(GRow& row, LONG delta)
{
    row.first += delta;
    if (!row.holes)
        return;
    CHole* holes = row.holes->data;
    for (LONG h = 0; h < row.holes->count; ++h)
        if (holes[h].resume != kNoPosition)
            holes[h].resume += delta;
}
// A resume taken back onto the value that means none would be lost.
inline bool CanUnshift(const GRow& row, LONG delta)
{
    if (!row.holes)
        return true;
    const CHole* holes = row.holes->data;
    for (LONG h = 0; h < row.holes->count; ++h)
        if (holes[h].resume != kNoPosition && holes[h].resume - delta == kNoPosition)
            return false;
    return true;
}

#include "model/shifted_array.h"

// The line of one side of a paragraph border.
struct CBorderStyle
{
    COLORREF colour = 0;
    LONG penStyle = 0;           // a GDI pen style
    LONG lineStyle = 0;          // row (and index) of the line-style table

    bool operator==(const CBorderStyle& other) const
    {
        return colour == other.colour && penStyle == other.penStyle && lineStyle == other.lineStyle;
    }
    bool operator!=(const CBorderStyle& other) const { return !(*this == other); }

    static const int kStoredSize = 12;
    void Write(CArchive& ar) const { ar << (DWORD)colour << penStyle << lineStyle; }
    void Read(CArchive& ar)
    {
        DWORD c;
        ar >> c >> penStyle >> lineStyle;
        colour = c;
    }
};

// Border side bits.
const LONG kBorderLeft = 1;
const LONG kBorderRight = 2;
const LONG kBorderTop = 4;
const LONG kBorderBottom = 8;
const LONG kBorderBox = 15;

// A paragraph border run over whole paragraphs: from first up to end
// (exclusive, the start of the paragraph after it).
struct GBorder
{
    LONG first = 0;
    LONG end = 0;
    LONG distance = 0;           // from the text to the border, 0.1 mm
    LONG sides = 0;              // side bits; 0 marks a run to be removed
    CBorderStyle top;
    CBorderStyle bottom;
    CBorderStyle left;
    CBorderStyle right;

    // Sets the side styles and sides from a mask; defined with paragraph
    // borders in editing.
    void SetStyle(int mask, CBorderStyle* styles, int distance);

    static const int kStoredSize = 64;
    static const LONG kLeastStoredCount = 0;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const
    {
        ar << first << end << distance << sides;
        top.Write(ar);
        bottom.Write(ar);
        left.Write(ar);
        right.Write(ar);
    }
    void Read(CArchive& ar)
    {
        ar >> first >> end >> distance >> sides;
        top.Read(ar);
        bottom.Read(ar);
        left.Read(ar);
        right.Read(ar);
    }
};

// A shading: two colours, a percentage (0 clear, 1 to 99 pattern, 100
// solid or hatch) and a Win32 hatch style or -1.
struct CShadeStyle
{
    COLORREF back = 0;           // where a pattern has 1 bits, behind hatch lines
    COLORREF fore = 0;           // solid fills, hatch lines, a pattern's 0 bits
    LONG percent = 0;
    LONG pattern = -1;

    bool operator==(const CShadeStyle& other) const
    {
        return back == other.back && fore == other.fore && percent == other.percent && pattern == other.pattern;
    }
    bool operator!=(const CShadeStyle& other) const { return !(*this == other); }

    static const int kStoredSize = 16;
    void Write(CArchive& ar) const { ar << (DWORD)back << (DWORD)fore << percent << pattern; }
    void Read(CArchive& ar)
    {
        DWORD b, f;
        ar >> b >> f >> percent >> pattern;
        back = b;
        fore = f;
    }
};

// A paragraph shading run from first to its last character.
struct GShade
{
    LONG first = 0;
    LONG end = 0;
    CShadeStyle style;

    static const int kStoredSize = 24;
    static const LONG kLeastStoredCount = 0;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const
    {
        ar << first << end;
        style.Write(ar);
    }
    void Read(CArchive& ar)
    {
        ar >> first >> end;
        style.Read(ar);
    }
};

// Width of one text column and the gap after it, 0.1 mm. Frames of a
// column set share an array of them; a column block is built from them.
struct CData
{
    LONG width = 0;
    LONG gap = 0;

    static const int kStoredSize = 8;
    static const LONG kLeastStoredCount = 0;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const { ar << width << gap; }
    void Read(CArchive& ar) { ar >> width >> gap; }
};
typedef CData tagColumnData;

const int kMostTextColumns = 6;
const BYTE kClosingColumnCount = 255;   // text-column count of the closing block

// A column block: rows set in one column layout. The block array ends with
// a closing block at the position of the final 0. The count byte is read
// as unsigned by layout; the constructor from column data takes its
// absolute value. Three reserved bytes follow it in the stored form.
struct GColumn
{
    LONG first;                          // first character of the block
    signed char count;                   // text columns; 255 in the closing block
    BYTE reserved[3];
    CData cols[kMostTextColumns];        // width and gap; the last used gap is 0
    LONG flags[2];                       // compared by ==; 1 when built from column data
    LONG startRows[kMostTextColumns];    // first row of each text column, -1 unused
    LONG position;                       // vertical position of the block in the flow

    // Constructors and comparisons are defined with the text columns in
    // layout.
    GColumn();
    GColumn(long first, unsigned char count, int, long firstRow);
    GColumn(long first, signed char count, tagColumnData* data, long firstRow);
    bool operator==(const GColumn& other) const;
    bool operator!=(const GColumn& other) const;

    static const int kStoredSize = 92;
    static const LONG kLeastStoredCount = 1;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const
    {
        ar << first << (BYTE)count << (BYTE)0 << (BYTE)0 << (BYTE)0;
        for (const CData& c : cols)
            c.Write(ar);
        ar << flags[0] << flags[1];
        for (LONG row : startRows)
            ar << row;
        ar << position;
    }
    void Read(CArchive& ar)
    {
        BYTE n, skipped;
        ar >> first >> n >> skipped >> skipped >> skipped;
        count = (signed char)n;
        reserved[0] = reserved[1] = reserved[2] = 0;
        for (CData& c : cols)
            c.Read(ar);
        ar >> flags[0] >> flags[1];
        for (LONG& row : startRows)
            ar >> row;
        ar >> position;
    }
};

// A page: the first column block on it. The page array ends with a closing
// page that names the closing block.
struct GPage
{
    LONG block = 0;

    static const int kStoredSize = 4;
    static const LONG kLeastStoredCount = 2;
    static const LONG kMostStoredCount = kMostCount;
    void Write(CArchive& ar) const { ar << block; }
    void Read(CArchive& ar) { ar >> block; }
};
