// The older native layout (files of version 280 and lower): its packed
// flow records with their converters, and what the document reader and the
// flow reader hand each other while such a file is read
// (document/old_native_file.cpp, document/old_flow_body.cpp,
// document/old_fields.cpp).
#pragma once
#include "afx.h"
#include "model/flow_records.h"
#include "model/GArray.h"

class GField;
class GDoc;
struct GPageInfo;

// The newest version stored in the older layout.
const short kLastOldVersion = 280;
// The older layout has the body and five header and footer flows.
const int kOldFlowCount = 6;

// Packed records of the older flow layout, each with its stored size.
struct _Mint
{
    short index = kNoStyle;
    BYTE master = 0;
};
struct _GFormat
{
    static const int kStoredSize = 7;
    LONG pos = 0;
    _Mint style;
};
struct _GTabulator
{
    static const int kStoredSize = 8;
    LONG pos = 0;
    short x = 0;
    short width = 0;
};
struct _GRow
{
    static const int kStoredSize = 10;
    LONG first = 0;
    LONG y = 0;
    short ascent = 0;
};
struct _GPara
{
    static const int kStoredSize = 7;
    LONG row = 0;
    _Mint style;
};
struct _GBorder
{
    static const int kStoredSize = 14;
    LONG first = 0;
    LONG end = 0;
    LONG side = 0;
};
struct _GColumn
{
    static const int kStoredSize = 35;
    LONG first = 0;
    signed char count = 1;
    short gap = 0;
    LONG startRows[kMostTextColumns] = {};
    LONG position = 0;
};

// Each reads its packed record from bytes (little-endian).
void Decode(const BYTE* p, _GFormat& r);
void Decode(const BYTE* p, _GTabulator& r);
void Decode(const BYTE* p, _GRow& r);
void Decode(const BYTE* p, _GPara& r);
void Decode(const BYTE* p, _GBorder& r);
void Decode(const BYTE* p, _GColumn& r);

// The converters to today's records. A row gets its single hole mark (its
// height comes from the next row's y afterwards); a border keeps its range
// and side value for the document to apply; a column block divides
// MaxWidth among its columns.
void Eq(Mint& to, const _Mint& from);
void Eq(GFormat& to, const _GFormat& from);
void Eq(GTabulator& to, const _GTabulator& from);
void Eq(GRow& to, const _GRow& from);
void Eq(GPara& to, const _GPara& from);
void Eq(GBorder& to, const _GBorder& from);
void Eq(GColumn& to, const _GColumn& from);

// Between the reading of a flow and the document's repairs after all six:
// the fields held aside (inserted by the document), the borders set apart
// (applied as full boxes) and the stored page count of each flow; and the
// width a flow's old column blocks are divided by (its first frame's).
extern GArrayI<GField*> OleFields[kOldFlowCount];
extern GArray<GBorder> OldBord[kOldFlowCount];
extern LONG OldPageCount[kOldFlowCount];
extern LONG MaxWidth;
// Old time and date format bytes to today's layouts.
extern const WORD ConvertTimeTable[4];
extern const WORD ConvertDateTable[7];

// Reads the 94-byte page set-up of the older layout into info.
void ReadOldPageInfo(CArchive& ar, GPageInfo& info);
// Empties every per-flow list above, deleting the fields it holds.
void ClearOldLayoutState();

// Reads one flow's body in the older layout (the flow reader's older
// branch): the borders go to OldBord, the fields to be inserted later to
// OleFields, the stored page count to OldPageCount.
void ReadOldFlowBody(GDoc& flow, CArchive& ar);
