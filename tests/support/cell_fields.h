// Merge documents for the tests of the print-time merge and of printing:
// text whose cells compute the fields of the document's data source.
#pragma once
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GOle.h"
#include "CCCell.h"
#include <string>

// Appends pattern to the end of body, each @ a cell whose formula names
// field F<n> (from F0).
inline void AppendWithCells(CWDocument* doc, GDoc* body, const std::string& pattern)
{
    auto type = [body](const std::string& text) {
        std::string buffer(text);
        body->InsertText(body->m_chars.GetCount() - 3, &buffer[0], 1);
    };
    int n = 0;
    std::string chunk;
    for (char c : pattern)
    {
        if (c != '@')
        {
            chunk += c;
            continue;
        }
        type(chunk);
        chunk.clear();
        CCCell* cell = new CCCell;
        cell->SetContent(CString(("=F" + std::to_string(n++)).c_str()));
        doc->AddItem(cell);
        body->InsertField(new GCell(body, body->m_chars.GetCount() - 3, cell));
    }
    type(chunk);
}
