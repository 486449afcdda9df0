// The intermediate-file importer: reads an intermediate file made by a
// filter into a document's flows (text, character and paragraph formats,
// tabs, page set-up, headers and footers, page-number fields, text columns
// and tables as tab-separated rows). Destroying it deletes the file.
#pragma once
#include "convert/TConvertor.h"
#include "model/GDoc.h"
#include "model/flow_records.h"
#include <vector>

// One table column's cells, a string a row.
class MyArr : public CStringArray
{
public:
    bool operator==(const MyArr& other) const;
};

class TConvertorTo : public TConvertor
{
public:
    TConvertorTo(CWView* view, CWDocument* doc, const char* fileName);
    ~TConvertorTo();

    // False when the file could not be opened; an empty file is an empty
    // document.
    bool Go();

    void AddText(TBuffICF& item);
    void AddCommand(TBuffICF& item);
    void SetFStyle(long from, long to);
    void ReceiveHF(TBuffICF& item);
    long GetTypeHeaderFooter(long kind, long pages) const;
    long GetMaxRows() const;

    // The handlers of the records the importer understands itself.
    void SSI(const TCommandArg& r, TBuffICF& item);
    void FDT(TBuffICF& item);
    void HNL(const TCommandArg& r);
    void HEX(TBuffICF& item);
    void SNL(const TCommandArg& r);
    void PPN(const TCommandArg& r);
    void PLN(const TCommandArg& r);
    void SPN(const TCommandArg& r);
    void DTF(const TCommandArg&) {}
    void TAB(const TCommandArg& r);
    void NBR(const TCommandArg& r);
    void CDS(const TCommandArg& r);
    void BCM(const TCommandArg& r);
    void ECM(const TCommandArg& r);
    void HNP(const TCommandArg& r);
    void BRO(const TCommandArg& r);
    void HCB(const TCommandArg& r);
    void FBM(const TCommandArg& r);
    void FM(const TCommandArg&) {}
    void HTM(const TCommandArg& r);
    void HM(const TCommandArg&) {}

    // The position of a record name in the table of the 64 names the
    // importer knows, or -1.
    static int FindCommand(const char* name);

private:
    long EndOfFlow() const;
    void InsertChars(const char* text);
    void InsertPageNumber(unsigned char format);
    // The page state into page set-up 0, and the document fitted to it.
    void ApplyPage();
    void PadColumn(int column, long rows);
    void EndTable();
    void SetPartFrames(long firstFlow, long distance, long height);

    long m_nRecv = kBodyFlow;
    GDoc* m_pRecv = nullptr;
    unsigned char m_nColumns = 0;
    long m_nBlockStart = 0;
    std::vector<CData> m_columnData;
    int m_nColumnDataCount = 0;
    bool m_bTable = false;
    int m_nCurCol = 0;
    long m_nCurRow = 0;
    std::vector<MyArr*> m_tableColumns;
    // The character set of the item being added.
    unsigned char m_charSet = 0;
    bool m_bInHeaderFooter = false;
    std::vector<GDoc*> m_touched;
};
