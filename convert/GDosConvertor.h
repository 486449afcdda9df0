// The importer of the older DOS product's documents, as the text reader
// drives it: made on the open file, it reads its settings file, then the
// document into the target's flows.
#pragma once
#include <stdio.h>
#include "afxwin.h"

class CWDocument;

class GDosConvertor
{
public:
    // file: the document, opened for reading as text; owner: the window
    // that owns the importer's dialogs.
    GDosConvertor(FILE* file, CWnd& owner, CWDocument& doc, CSize& size);
    ~GDosConvertor();
    // Reads "LIBRARY2.XZT" (the current folder, else the program's), or
    // takes the built-in settings; non-zero on success.
    int ReadLib();
    // Imports the document: 0 when it was read, 1 or 2 when reading failed.
    int LoadZentavoTX();

private:
    FILE* m_file;
    CWnd& m_owner;
    CWDocument& m_doc;
    CSize& m_size;
};
