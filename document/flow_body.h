// The body of one text flow in the native file: the helpers around
// GDoc::SaveZVW / GDoc::OpenZVW (document/flow_body.cpp), used by the
// document reader and writer and by flow copies.
#pragma once
#include "afx.h"
#include "model/flow_records.h"

// Thrown (as a plain int) when a flow holds more fields than any real one.
const int kFieldCountFault = 3;
const DWORD kMostFieldsInFlow = 1000;

// Repairs one side of a border read from a file: an unknown line style
// becomes none, and the pen styles 1 to 3 take their matching line style.
void CheckBorderStyles(CBorderStyle& side);
// Writes or reads (by the archive's direction) one row's holes. A row read
// back gets a new hole array; the advance widths are layout state and are
// never stored.
void SerializeRowHoles(CArchive& ar, GRow& row);

// Buffers of the older layouts: records packed so that none crosses a
// 65,536-byte boundary.
long HugeArraySize(short size, long count);
void* HugeArray(void* base, short size, long index);
// Reads a count and then HugeArraySize(size, count) bytes into a new
// buffer (delete[] by the caller). Throws the int 2 on a short read.
void ReadInBuffer(CArchive& ar, long& count, long size, unsigned char** buffer);
