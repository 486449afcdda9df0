// Plain and OEM text into the body flow, and the body out as text.
#include "document/CWDocument.h"
#include "document/document_progress.h"
#include "document/file_types.h"
#include "document/safe_file_write.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "resources/resource.h"
#include <algorithm>
#include <string>

namespace
{
const BYTE kEndOfFileMark = 26;
const char kCarriageReturn = 13;
const char kLineFeed = 10;
const char kBlank = ' ';
const long kClosingChars = 3;   // 13, 12, 0 end every flow
// Fewer characters than a row of text on a page holds in any usual font
// and margins: rows made room for by it are rarely too few. The room left
// over after the layout is given back.
const long kFewestCharsPerRow = 40;
const int kArchiveBuffer = 4096;
const int32_t kLexiconEnd = 26;
// The progress of a text read: a hundred steps, the file read at 10, its
// bytes made the body's at 20, its style found at 25, all in at 100.
const int kTextProgressSteps = 100;
const int kProgressFileRead = 10;
const int kProgressBytesNormalised = 20;
const int kProgressStyleSet = 25;
// Text bytes as the body takes them. A zero would end the text and a 1 is
// a field mark without a field: both become blanks. A line feed after 13
// belongs to it; any other ends a paragraph, so that lines written on Linux
// stay lines.
void NormaliseText(std::string& text, bool dropEndOfFileMarks)
{
    // In place: no byte becomes more than one. A line feed looks at the
    // byte read before it, as the one written there may differ.
    size_t out = 0;
    bool afterCarriageReturn = false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        const bool afterReturn = afterCarriageReturn;
        afterCarriageReturn = c == kCarriageReturn;
        if ((BYTE)c == kEndOfFileMark && dropEndOfFileMarks && i > 0)
            continue;
        if (c == 0 || c == (char)kFieldMark)
            text[out++] = kBlank;
        else if (c == kLineFeed)
        {
            if (!afterReturn)
                text[out++] = kCarriageReturn;
        }
        else
            text[out++] = c;
    }
    text.resize(out);
}

// Rows the laid-out text will need at most, about: a row for every
// kFewestCharsPerRow characters of each paragraph, and one for an empty one.
long RowsToExpect(const std::string& text)
{
    long rows = 0, length = 0;
    for (const char c : text)
    {
        if (c != kCarriageReturn)
        {
            ++length;
            continue;
        }
        rows += 1 + length / kFewestCharsPerRow;
        length = 0;
    }
    return rows + 1 + length / kFewestCharsPerRow;
}

// The layout replaces each paragraph's one row by its broken rows. The rows'
// array would grow a step at a time (copying all of it again for every
// step), and every removal would give back the room made ahead. For the
// layout of the whole text, room for the rows to expect is made at once and
// the array's step is its whole size meanwhile: a removal keeps the room,
// and more rows than expected double it. The spare room is given back
// afterwards (a removal of nothing does that).
void LayOutWholeBody(GDoc& body, long expectedRows)
{
    const LONG step = body.m_rows.grow;
    body.m_rows.Reserve(body.m_rows.GetCount() + expectedRows);
    body.m_rows.grow = std::max(step, body.m_rows.capacity);
    try
    {
        body.ReRowByRow(0, body.m_rows.GetCount() - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    }
    catch (...)
    {
        body.m_rows.grow = step;
        throw;
    }
    body.m_rows.grow = step;
    body.m_rows.Destroy(body.m_rows.GetCount(), 0);
}

// The body's text as a text file holds it: paragraph ends as 13 10, list
// labels with two blanks after them, cells as their values, other fields as
// nothing; the closing 13, 12, 0 are not written.
std::string BodyText(GDoc& body)
{
    std::string out;
    const long end = body.m_chars.GetCount() - kClosingChars;
    out.reserve(end > 0 ? (size_t)end + (size_t)end / 16 : 0);
    for (long pos = 0; pos < end; ++pos)
    {
        const char c = (char)(BYTE)body.m_chars[pos];
        if (c == kCarriageReturn)
        {
            out += kCarriageReturn;
            out += kLineFeed;
            continue;
        }
        if ((BYTE)c != kFieldMark)
        {
            out += c;
            continue;
        }
        const long i = body.GetCharField(pos);
        if (i < 0)
            continue;
        GField* field = body.m_fields[i];
        if (field->m_nKind != kFieldCell && field->m_nKind != kFieldList)
            continue;
        if (const char* text = field->AsText(body.GetCharPage(pos) + 1))
            out += text;
        if (field->m_nKind == kFieldList)
            out += "  ";
    }
    return out;
}

} // namespace

int CWDocument::ReadTextInto(CArchive& ar, BOOL oem)
{
    CDocumentProgress progress(*this, IDS_PROGRESS_OPENING, kTextProgressSteps);
    CFile* file = ar.GetFile();
    const ULONGLONG length = file->GetLength() - file->GetPosition();
    std::string text((size_t)length, '\0');
    if (length)
        text.resize(file->Read(&text[0], (UINT)length));
    progress.Step(kProgressFileRead);
    if (oem && !text.empty())
        OemToCharBuffA(&text[0], &text[0], (DWORD)text.size());
    NormaliseText(text, !oem);
    progress.Step(kProgressBytesNormalised);

    CString dosStyle;
    dosStyle.LoadString(IDS_FSTYLE_DOS);
    const long style = m_fontStyles.FindStyle((LPCSTR)dosStyle);
    GDoc* body = m_flows[kBodyFlow];
    body->m_formats[0].style = Mint(style < 0 ? kNoStyle : (short)style, 0);
    progress.Step(kProgressStyleSet);
    if (text.empty())
    {
        progress.Step(kTextProgressSteps);
        return 0;
    }
    // The arrays grow in fixed steps: room made once saves moving the
    // whole text again for every paragraph.
    const long paragraphs = (long)std::count(text.begin(), text.end(), kCarriageReturn);
    body->m_chars.Reserve(body->m_chars.GetCount() + (long)text.size());
    body->m_paras.Reserve(body->m_paras.GetCount() + paragraphs);
    body->m_rows.Reserve(body->m_rows.GetCount() + paragraphs);
    // One insertion, then one layout of the whole body: re-breaking while
    // inserting would place every later row again after each paragraph.
    // The clipboard's document is never laid out.
    body->InsertText(0, &text[0], 0);
    if (m_bClipboard)
        return 0;
    LayOutWholeBody(*body, RowsToExpect(text));
    body->m_redraw.InvalByPos(0, body->m_chars.GetCount() - 1);
    body->Notify(1);
    SetModifiedFlag(TRUE);
    progress.Step(kTextProgressSteps);
    return 0;
}

int CWDocument::OpenTXT(CArchive& ar)
{
    return ReadTextInto(ar, FALSE);
}

int CWDocument::OpenASC(CArchive& ar)
{
    return ReadTextInto(ar, TRUE);
}

int CWDocument::SaveTXT(CArchive* ar)
{
    if (!ar)
        return SaveTextFile(GetPathName());
    const std::string text = BodyText(*m_flows[kBodyFlow]);
    if (!text.empty())
        ar->Write(text.data(), (UINT)text.size());
    if (m_nFileType == kFileUserDictionary)
        *ar << kLexiconEnd;
    return 1;
}

BOOL CWDocument::SaveTextFile(LPCSTR path)
{
    return WriteFileSafely(path, [&](LPCSTR temp) {
        CFile file;
        if (!file.Open(temp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
            return FALSE;
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        ar.m_pDocument = this;
        try
        {
            SaveTXT(&ar);
            ar.Close();
        }
        catch (...)
        {
            ar.Abort();
            file.Abort();
            throw;
        }
        file.Close();
        return TRUE;
    });
}
