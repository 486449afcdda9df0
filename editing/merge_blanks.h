// Closing the line an empty merge value leaves, shared by mail merge and
// the print-time merge (editing/mail_merge.cpp).
#pragma once
#include "model/GDoc.h"

// After an empty value removed at p: the blanks and tabs at p go, and when
// the line then holds nothing, the line goes with its paragraph end (the
// flow's last paragraph keeps its end and loses the one before it; on the
// flow's first line only the blanks go). Each removal is one recorded
// step. Answers the number of characters removed.
long CloseBlankLine(GDoc& flow, long p);
