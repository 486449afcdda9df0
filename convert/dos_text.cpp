// The DOS importer's run: the file's sections, then the body read byte by
// byte into the body flow with its attributes, alignment, indents and
// calculation fields.
#include "convert/GDosConvertor.h"
#include "convert/conversion_services.h"
#include "convert/dos_lines.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "document/path_parts.h"
#include "model/GDoc.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "resources/resource.h"
#include "view/CWView.h"
#include "ZTItems.h"
#include <string.h>
#include <algorithm>

int32_t fileLength = 0;
int32_t curPerc = 0;

namespace
{
const long kClosingChars = 3;
const int kProgressSteps = 100;
const int kProgressPerStep = 5;
const long kProgressEvery = 4096;   // bytes between progress moves
const int kLeastTextWidth = 254;    // what indents leave of a line, 0.1 mm
const short kHangingIndent = 254;
const char kHanging[] = "Hang.";
const size_t kHangingLength = 5;

enum : unsigned char
{
    kIgnored1 = 1, kBold = 2, kField1 = 3, kField2 = 5, kCentre = 6, kRight = 7, kTabByte = 9,
    kLineEnd = 10, kFormFeed = 12, kCarriageReturn = 13, kIndentMark = 14, kSkipNext = 18,
    kUnderline1 = 19, kSuperscript = 20, kUnderline2 = 21, kSubscript = 22, kItalic = 23,
    kBlank = 32, kSoftLineEnd = 141, kFirstLineDrawing = 179, kLastLineDrawing = 218
};

long EndOf(GDoc* flow)
{
    return flow->m_chars.count - kClosingChars;
}

struct AttributeSpan
{
    long from, to;
    short attributes;
};

const short kAllAttributes = GFontStyle::kBold | GFontStyle::kItalic | GFontStyle::kUnderline |
                             GFontStyle::kStrikeout | GFontStyle::kSuperscript | GFontStyle::kSubscript;
} // namespace

void GDosConvertor::AddBuffer(GDoc* flow)
{
    if (m_nBuffer <= 0 || !flow)
    {
        m_nBuffer = 0;
        return;
    }
    m_pBuffer[m_nBuffer] = 0;
    flow->InsertText(EndOf(flow), m_pBuffer, 0);
    m_nBuffer = 0;
}

bool GDosConvertor::InChart(int line) const
{
    for (int row : m_chartRows)
        if (line >= row && line < row + kChartLines)
            return true;
    return false;
}

bool GDosConvertor::LoadSections()
{
    if (!m_file)
        return false;
    std::string file;
    char chunk[4096];
    size_t n;
    rewind(m_file);
    while ((n = fread(chunk, 1, sizeof(chunk), m_file)) > 0)
        file.append(chunk, n);
    const size_t firstLineEnd = file.find(dos::kLineFeed);
    const size_t bodyStart = firstLineEnd == std::string::npos ? file.size() : firstLineEnd + 1;
    size_t bodyEnd = file.find(dos::kFormFeed, bodyStart);
    if (bodyEnd == std::string::npos)
        bodyEnd = file.size();
    m_body = file.substr(bodyStart, bodyEnd - bodyStart);
    if (bodyEnd >= file.size())
        return true;
    size_t settingsEnd = file.find(dos::kFormFeed, bodyEnd + 1);
    if (settingsEnd == std::string::npos)
        settingsEnd = file.size();
    m_settingsLines = dos::SplitLines(file.substr(bodyEnd + 1, settingsEnd - bodyEnd - 1));
    if (settingsEnd < file.size())
        m_formatLines = dos::SplitLines(file.substr(settingsEnd + 1));
    return true;
}

int GDosConvertor::ReadText()
{
    GDoc* body = m_doc.GetFlow(kBodyFlow);
    if (!body)
        return 0;
    CZTDoc::CCalcEngine current(&m_doc);
    CWCustomFrameData* frame = GetCustomFrameData();
    // Rows are broken once, after the whole body: breaking them after every
    // insertion costs a long paragraph's measuring each time.
    m_doc.ReRows(0);

    const GParaStyle* first = body->GetCharPStylePtr(0);
    GParaStyle base = first ? *first : GParaStyle();
    base.m_FirstLine = Gint(0);
    base.m_Left = Gint(0);
    if (m_bBodyTabs)
        base.m_Tabs = m_bodyTabs;
    body->SetParaStyle(0, body->m_chars.count - 1, base);
    const unsigned char bodyAlign = m_bJustify ? GParaStyle::kAlignJustify : GParaStyle::kAlignLeft;
    const long textWidth = m_doc.m_pageInfos.GetCount() ? m_doc.m_pageInfos[0].GetTextWidth() : 0;
    const long mostIndent = std::max<long>(0, textWidth - kLeastTextWidth);

    std::vector<AttributeSpan> spans;
    short attributes = 0;
    unsigned char align = bodyAlign;
    int marks = 0;
    long firstIndent = -1, leftIndent = -1;
    bool softInParagraph = false, softPending = false, lastWasSoft = false, lineAfterSoft = false;
    long paraStart = EndOf(body), lineStart = paraStart, spanStart = paraStart;
    bool lineOnlyBlanks = true;
    int column = 0, line = 0;
    size_t nextField = 0;

    auto pos = [&]() { return EndOf(body) + m_nBuffer; };
    auto put = [&](char c) {
        if (m_nBuffer >= kTextBufferSize)
            AddBuffer(body);
        m_pBuffer[m_nBuffer++] = c;
        ++column;
    };
    auto closeSpan = [&]() {
        if (pos() > spanStart)
            spans.push_back({spanStart, pos(), attributes});
        spanStart = pos();
    };
    auto setAttributes = [&](short value) {
        if (value == attributes)
            return;
        closeSpan();
        attributes = value;
    };
    auto applySpans = [&]() {
        closeSpan();
        AddBuffer(body);
        for (const AttributeSpan& s : spans)
        {
            GFontStyle style("", GFontStyle::kUndefinedSize, GFontStyle::kUndefinedColour, s.attributes, kAllAttributes);
            style.SetCharSet(GFontStyle::kMixedCharSet);
            body->SetFontStyle(s.from, s.to, style, 1);
        }
        spans.clear();
        spanStart = pos();
    };
    auto applyParagraph = [&]() {
        applySpans();
        GParaStyle style = base;
        style.m_Align = align;
        long firstLine = firstIndent >= 0 ? firstIndent : 0;
        long left = leftIndent >= 0 ? leftIndent : (softInParagraph ? firstLine : 0);
        char word[kHangingLength + 1] = {0};
        const long end = EndOf(body);
        for (size_t k = 0; k < kHangingLength && paraStart + (long)k < end; ++k)
            word[k] = (char)body->m_chars[paraStart + (long)k];
        if (strlen(word) == kHangingLength && RuntimeStricmp(word, kHanging) == 0)
        {
            firstLine = 0;
            left = kHangingIndent;
        }
        style.m_FirstLine = Gint((short)std::min(firstLine, mostIndent));
        style.m_Left = Gint((short)std::min(left, mostIndent));
        body->SetParaStyle(paraStart, std::max(paraStart, end), style);
    };
    auto endParagraph = [&]() {
        applyParagraph();
        char paragraphEnd[2] = {(char)kCarriageReturn, 0};
        body->InsertText(EndOf(body), paragraphEnd, 0);
        attributes = 0;
        align = bodyAlign;
        marks = 0;
        firstIndent = leftIndent = -1;
        softInParagraph = softPending = false;
        paraStart = spanStart = EndOf(body);
    };

    const long share = kProgressSteps - curPerc;
    for (size_t i = 0; i < m_body.size(); ++i)
    {
        if (frame && fileLength > 0 && i % kProgressEvery == 0)
            frame->SetStatusBarPercent(curPerc + (int)std::min<long long>(share, (long long)i * share / fileLength));
        const unsigned char c = (unsigned char)m_body[i];
        if (c == kFormFeed)
            break;
        if (c != kSoftLineEnd && c != kIgnored1 && c != kCarriageReturn && c != kLineEnd)
            lastWasSoft = false;
        switch (c)
        {
        case kIgnored1:
        case kCarriageReturn:
            continue;
        case kBold: setAttributes(attributes ^ GFontStyle::kBold); continue;
        case kUnderline1:
        case kUnderline2: setAttributes(attributes ^ GFontStyle::kUnderline); continue;
        case kItalic: setAttributes(attributes ^ GFontStyle::kItalic); continue;
        case kSuperscript:
            setAttributes((attributes ^ GFontStyle::kSuperscript) & ~GFontStyle::kSubscript);
            continue;
        case kSubscript:
            setAttributes((attributes ^ GFontStyle::kSubscript) & ~GFontStyle::kSuperscript);
            continue;
        case kCentre: align = GParaStyle::kAlignCentre; continue;
        case kRight: align = GParaStyle::kAlignRight; continue;
        case kSkipNext: ++i; continue;
        case kSoftLineEnd:
            lastWasSoft = softPending = softInParagraph = true;
            continue;
        case kField1:
        case kField2:
        {
            int width = 0;
            while (i < m_body.size() && (m_body[i] == kField1 || m_body[i] == kField2))
            {
                ++width;
                ++i;
            }
            --i;
            closeSpan();
            AddBuffer(body);
            if (nextField < m_fields.size())
                InsertCell(body, m_fields[nextField++]);
            column += width;
            lineOnlyBlanks = false;
            continue;
        }
        case kLineEnd:
        {
            const bool continues = lastWasSoft || InChart(line);
            ++line;
            column = 0;
            if (continues)
            {
                softPending = true;
                applySpans();
            }
            else
                endParagraph();
            lastWasSoft = false;
            lineAfterSoft = continues;
            lineStart = pos();
            lineOnlyBlanks = true;
            continue;
        }
        case kIndentMark:
        {
            long indent = 0;
            if (lineOnlyBlanks)
            {
                const long from = std::max(lineStart, paraStart);
                const long now = pos();
                if (from >= EndOf(body))
                    m_nBuffer = (int)std::max<long>(0, m_nBuffer - (now - from));
                else
                {
                    AddBuffer(body);
                    body->DeleteText(from, EndOf(body), 0);
                }
                spanStart = std::min(spanStart, pos());
                // The blank that joins a continued line comes back.
                softPending = softPending || lineAfterSoft;
                indent = std::min<long>(((long)column + 1) * 254 / 10, mostIndent);
            }
            if (++marks == 1)
                firstIndent = indent;
            else
                leftIndent = indent;
            continue;
        }
        default: break;
        }
        char text;
        if (c == kTabByte)
            text = '\t';
        else if (c < kBlank || (c >= kFirstLineDrawing && c <= kLastLineDrawing))
            text = ' ';
        else
        {
            char oem[2] = {(char)c, 0}, ansi[2] = {0, 0};
            OemToCharBuffA(oem, ansi, 1);
            text = (unsigned char)ansi[0] >= kBlank ? ansi[0] : ' ';
        }
        if (text == ' ' && lineOnlyBlanks && column >= 0 &&
            (align == GParaStyle::kAlignCentre || align == GParaStyle::kAlignRight))
            continue;
        if (softPending)
        {
            // The joining blank takes no column of the line.
            softPending = false;
            put(' ');
            --column;
        }
        if (text != ' ')
            lineOnlyBlanks = false;
        put(text);
    }
    applyParagraph();
    FinishCells();
    m_doc.ReRows(1);
    if (body->m_rows.count > 0)
        body->ReRowByRow(0, body->m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
    return 1;
}

int GDosConvertor::LoadZentavoTX()
{
    curPerc = 0;
    CWCustomFrameData* frame = GetCustomFrameData();
    if (frame)
        frame->InitStatusBarPercent(IDS_PROGRESS_CONVERTING, kProgressSteps);
    bool read = false;
    {
        CChangeBracket bracket(&m_doc);
        read = LoadSections();
        int (GDosConvertor::*const steps[])() = {&GDosConvertor::ReadFirstPage, &GDosConvertor::ReadSecondPage,
                                                  &GDosConvertor::ReadFirstPageForFields,
                                                  &GDosConvertor::ReadSecondPageForFields};
        for (auto step : steps)
        {
            if (!read)
                break;
            read = (this->*step)() != 0;
            curPerc += kProgressPerStep;
        }
        read = read && ReadText() != 0;
    }
    if (frame)
        frame->DoneStatusBarPercent();
    if (!read)
        return 2;
    CWView* view = frame ? frame->GetCurrentView() : NULL;
    if (view && view->GetDocument() == &m_doc)
        view->SetCaret(0);
    return 0;
}
