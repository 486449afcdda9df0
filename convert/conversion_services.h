// What the open and save dispatch and the DOS-document reader ask of the
// conversion subsystem. The document layer calls these; their definitions
// live in convert/.
#pragma once
#include <cstdint>
#include "afxwin.h"

class CWDocument;

// The length in bytes of the DOS document being imported; the DOS reader
// sets it and the importer's progress counts against it. curPerc is the
// progress already reached when a section's reading starts.
extern int32_t fileLength;
extern int32_t curPerc;

// The file-type code the format recogniser finds for the file at path;
// below 1 when it recognises nothing.
int Supported(const char* path);

// 'F' imports the file at doc's path name into doc, 'T' exports doc to its
// path name. 0 on success; otherwise the conversion has shown its message.
int MainConversion(unsigned char direction, CWDocument* doc);

// The password gate of DOS-product documents: 4 when path does not end in
// ".XTX", 2 when the file has no password, 1 when the password was taken and
// the readable body written whole to the temporary copy
// (DosTemporaryCopyPath), 0 on failure or cancel (the gate has shown its
// message; no copy is left). Whoever reads the copy removes it.
int CHK_password(CWnd& owner, const char* path);

// "~TEMP$$$-<process id>.XTX" in the temporary folder.
CString DosTemporaryCopyPath();
