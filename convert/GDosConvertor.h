// The importer of the older DOS product's documents (".XTX"), as the
// document's open path drives it: made on the open file, it reads its
// settings file, then the document into the document's flows.
#pragma once
#include <stdio.h>
#include <string>
#include <vector>
#include "afxwin.h"
#include "CellFormat.h"
#include "model/GTabArr.h"

class CWDocument;
class GDoc;

// The settings of the settings file "LIBRARY2.XZT"; only the two date
// styles change what an import makes.
struct DosSettings
{
    static const int kTextSize = 8;
    static const int kSymbolCount = 8;
    char country[kTextSize];
    int numberPunctuation;
    int longDateStyle;
    int shortDateStyle;
    char argumentSeparator[kTextSize];
    char dateSeparator1[kTextSize];
    char dateSeparator2[kTextSize];
    int leadingSymbols;                  // bit i: symbol i stands before the number
    char symbols[kSymbolCount][kTextSize];
};

// One calculation field of the body: a run of bytes 3 or 5.
struct DosField
{
    static const int kMostName = 31;
    static const int kMostContents = 255;
    static const int kMostFormat = 31;
    int line = 0;           // from 0, by line ends
    int index = 0;          // among the fields of its line
    int width = 0;          // the run's length
    int column = 0;
    std::string name;       // upper case, cut to kMostName
    std::string contents;   // cut to kMostContents
    std::string format;     // the format letters, cut to kMostFormat
};

// A named cell ("#NAME" in the cell section), found by name.
struct DosNamedCell
{
    std::string name;
    int row;
    int column;
};

class GDosConvertor
{
public:
    static const int kTextBufferSize = 10000;
    static const int kMostNamedCells = 50;
    static const int kChartLines = 20;
    static const int kKeywordCount = 43;
    static const int kTabStops = 16;

    // file: the document, opened for reading; owner: the window that owns
    // the importer's messages; size: the character cell is kept in it.
    GDosConvertor(FILE* file, CWnd& owner, CWDocument& doc, CSize& size);
    virtual ~GDosConvertor();

    // Reads "LIBRARY2.XZT" (the current folder, else the program's); the
    // defaults stay without one. Always 1.
    int ReadLib();
    // Imports the document: 0 when it was read, 2 when it failed (a bad
    // settings line has been shown).
    int LoadZentavoTX();
    virtual void InitDefaults();

    // The steps of LoadZentavoTX; 1 on success.
    int ReadFirstPage();
    int ReadSecondPage();
    int ReadFirstPageForFields();
    int ReadSecondPageForFields();
    int ReadText();

    // One header or footer part into flow's end; 1 when something was added.
    int HeaderAttribut(char* part, GDoc* flow);
    // The 16 stops of flow from the tab columns and the decimal tab columns
    // (merged in order, decimal stops of kind 3, then every 8 columns).
    void SetTab(GDoc* flow, int from, int to, unsigned char count, unsigned char decimalCount,
                unsigned char* columns, unsigned char* decimalColumns);
    // Inserts the collected characters at flow's end and empties the buffer.
    void AddBuffer(GDoc* flow);

    // What the import left, for those who look after it.
    const DosSettings& Settings() const { return m_settings; }
    const std::vector<DosField>& Fields() const { return m_fields; }
    const std::vector<DosNamedCell>& NamedCells() const { return m_namedCells; }
    const std::vector<int>& ChartRows() const { return m_chartRows; }
    bool Justified() const { return m_bJustify; }

    // The cell format that the letters of a format give.
    static CZTCellFormat FormatFromLetters(const std::string& letters);

private:
    struct SettingsLine;
    bool ParseSettingsLine(const std::string& line, SettingsLine& out) const;
    bool ReadSettingsFile(FILE* file);
    void ApplyHeaderParts();
    void AddPartsTo(GDoc* flow, const std::string* parts);
    void SetPageTabs(GDoc* flow);
    bool InsertDateField(GDoc* flow, int format);
    bool InChart(int line) const;
    const DosField* FieldAt(int row, int column) const;
    void InsertCell(GDoc* body, const DosField& field);
    void FinishCells();
    // The sections of the file, read once.
    bool LoadSections();

    FILE* m_file;
    CWnd& m_owner;
    CWDocument& m_doc;
    CSize& m_cell;
    std::string m_header;
    DosSettings m_settings;

    std::string m_body;                  // after the first line, up to the first form feed
    std::vector<std::string> m_settingsLines;
    std::vector<std::string> m_formatLines;

    size_t m_nFieldRoom = 0;             // the runs ReadFirstPage counted
    std::vector<DosField> m_fields;
    std::vector<DosNamedCell> m_namedCells;
    std::vector<int> m_chartRows;
    std::vector<std::pair<class CZTCell*, const DosField*>> m_cells;

    int m_nFirstHead = 0;
    int m_nFirstFoot = 0;
    bool m_bJustify = false;
    std::string m_headerParts[6];        // left, centre, right; then the second line
    std::string m_footerParts[6];
    GTabArr m_bodyTabs;
    bool m_bBodyTabs = false;

    char* m_pBuffer;
    int m_nBuffer = 0;
};
