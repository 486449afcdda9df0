// The filter the Save As dialog shows first for a document's file type.
#pragma once

// 1-based index into the save dialog's filters (string 57769); 1 for a type
// the table does not know, 0 for the system's own text kind.
int GetFilterIndex(const int& type);
