// The intermediate-file exporter: writes a document (body, headers and
// footers) as an intermediate file, in the order the filters expect.
#pragma once
#include "convert/TConvertor.h"

class GField;

class TConvertorFrom : public TConvertor
{
public:
    TConvertorFrom(CWView* view, const char* fileName, CWDocument* doc);

    // True when every byte reached the file.
    bool Go();

    // The four steps of Go.
    void Begin();
    void HeadersAndFooters();
    void Body();
    void End();

    // What changes at the next position after pos that changes anything
    // (kinds: the bits below); the flow's length when nothing does.
    enum { kColumnChange = 1, kFormatChange = 2, kRowChange = 4, kParaChange = 8 };
    long GetDifferent(long pos, int& kinds);
    void OutText(long from, long to);
    void DiffColumn(long pos);
    void DiffFormat(long pos);
    void DiffLine(long pos);
    void DiffPara(long pos);
    void DiffField(long pos);
    void OutPageNum(GField* field);
    void OutSPN();
    void SendHeaderMargin();
    void SendFooterMargin();
    void OutHeaderFooter(long flow, const char* kind, const char* pages);
    void OutBeginHeaderFooter(long flow);
    void OutEnd(long flow, const char* kind, const char* pages);

private:
    void OutRecord(const char* name);
    void OutRecord(const char* name, std::initializer_list<const char*> args);
    void OutParaStyleOf(long pos);
    // The end of a paragraph: its aligned text, "HNL", the page margins
    // again after a right indent.
    void EndPara();
    // ECT or EAT, ending the aligned text of a row or paragraph.
    void EndAlignedText();
    long FlowLength() const;
};
