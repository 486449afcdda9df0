// Writing and reading one text flow's body in the native file: its
// characters, runs, rows with their holes, paragraphs, borders, column
// blocks, pages, shades, frames and fields, in that order.
#include "model/GDoc.h"
#include "model/GCaption.h"
#include "model/GField.h"
#include "model/field_factory.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "document/flow_body.h"
#include "document/old_layout.h"
#include <memory>
#include <typeinfo>

namespace
{
// Reads a 4-byte count; a stream that ends first is damaged.
DWORD ReadCount(CArchive& ar)
{
    BYTE raw[4];
    if (ar.Read(raw, 4) < 4)
        throw kArrayReadFault;
    return (DWORD)raw[0] | ((DWORD)raw[1] << 8) | ((DWORD)raw[2] << 16) | ((DWORD)raw[3] << 24);
}

// Runs a read and turns an early end of the stream into the int 2.
template <class F>
void Guarded(F read)
{
    try
    {
        read();
    }
    catch (CArchiveException* e)
    {
        if (e->m_cause != CArchiveException::endOfFile)
            throw;
        e->Delete();
        throw kArrayReadFault;
    }
}
} // namespace

void CheckBorderStyles(CBorderStyle& side)
{
    if (side.lineStyle > 8)
    {
        side.penStyle = 0;
        side.lineStyle = 0;
    }
    if (side.penStyle >= 1 && side.penStyle <= 3)
        side.lineStyle = side.penStyle + 5;
}

void SerializeRowHoles(CArchive& ar, GRow& row)
{
    if (ar.IsStoring())
    {
        const long n = row.holes ? row.holes->GetCount() : 0;
        ar << (DWORD)n;
        for (long i = 0; i < n; ++i)
        {
            const CHole& h = (*row.holes)[i];
            ar << h.x << h.width << h.resume;
        }
        return;
    }
    delete row.holes;
    row.holes = NULL;
    const DWORD n = ReadCount(ar);
    // Every hole takes 12 bytes: a count the stream cannot hold is damage.
    if (n > (DWORD)INT_MAX / 12)
        throw kArrayReadFault;
    row.holes = new GArray<CHole>(0, 1);
    Guarded([&] {
        for (DWORD i = 0; i < n; ++i)
        {
            CHole h;
            ar >> h.x >> h.width >> h.resume;
            h.dxWidths = NULL;
            row.holes->Add(h);
        }
    });
}

void GDoc::SerializeRows(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_rows.count;
        for (long i = 0; i < m_rows.count; ++i)
        {
            const GRow& r = m_rows[i];
            ar << r.first << r.y << r.ascent << (LONG)0 << r.height << r.gapAfter << r.reserved;
        }
        return;
    }
    m_rows.Flush();
    const DWORD n = ReadCount(ar);
    if (n > (DWORD)INT_MAX)
        throw kArrayReadFault;
    Guarded([&] {
        for (DWORD i = 0; i < n; ++i)
        {
            GRow r;
            LONG slot;
            ar >> r.first >> r.y >> r.ascent >> slot >> r.height >> r.gapAfter >> r.reserved;
            r.holes = NULL;
            m_rows.Add(r);
        }
    });
}

// Kinds whose stored field is more than its kind byte. Any other kind
// byte stands alone, and the reader makes nothing of it.
static bool HasFieldRecord(BYTE kind)
{
    switch (kind)
    {
    case kFieldOle:
    case kFieldDateTime:
    case kFieldPageNum:
    case kFieldList:
    case kFieldDocTitle:
    case kFieldImage:
    case kFieldFootNote:
    case kFieldCaption:
    case kFieldCell:
        return true;
    }
    return false;
}

// Each field writes its own record (kind byte, position, then its data),
// which the reader reads back through the class of the kind byte. A kind
// without a record is its kind byte alone. A text effect stands in the
// body as a picture (its own record goes with the newer fields). A bare
// field of a kind that has a class goes out as an empty field of that
// class, so that the reader stays in step.
static void SaveField(CArchive& ar, GField& field)
{
    const BYTE kind = field.m_nKind == kFieldLumifex ? kFieldImage : field.m_nKind;
    if (!HasFieldRecord(kind))
    {
        ar << kind;
        return;
    }
    if (typeid(field) != typeid(GField))
    {
        field.SaveZVW(ar);
        return;
    }
    std::unique_ptr<GField, void (*)(GField*)> blank(NewFieldOfKind(kind, field.m_pDoc), GField::Destroy);
    blank->m_nPos = field.m_nPos;
    blank->SaveZVW(ar);
}

int GDoc::ReadFields(CArchive& ar)
{
    const DWORD n = ReadCount(ar);
    if (n > kMostFieldsInFlow)
        throw kFieldCountFault;
    Guarded([&] {
        for (DWORD i = 0; i < n; ++i)
        {
            BYTE kind;
            ar >> kind;
            std::unique_ptr<GField, void (*)(GField*)> field(NewFieldOfKind(kind, this), GField::Destroy);
            if (!field)
                continue;   // kinds without a class carry nothing more
            field->OpenZVW(ar);
            m_fields.Add(field.release());
        }
    });
    // A caption's object may follow it in the list.
    GCaption::LinkObjects(*this);
    return 1;
}

void GDoc::LoadFrames(CArchive& ar)
{
    const long before = m_frames.count;
    LoadFrameList(ar, m_frames, m_pOwner, 0);
    for (long i = before; i < m_frames.count; ++i)
    {
        m_frames[i]->owner = m_pOwner;
        m_frames[i]->anchor = this;
    }
}

void GDoc::SaveZVW(CArchive& ar)
{
    m_chars.Write(ar);
    m_formats.Write(ar);
    m_tabs.Write(ar);
    SerializeRows(ar);
    m_paras.Write(ar);
    m_borders.Write(ar);
    m_columns.Write(ar);
    m_pages.Write(ar);
    for (long i = 0; i < m_rows.count; ++i)
        SerializeRowHoles(ar, m_rows[i]);
    m_shades.Write(ar);
    SaveFrameList(ar, m_frames);
    ar << (DWORD)m_fields.count;
    for (long i = 0; i < m_fields.count; ++i)
        SaveField(ar, *m_fields[i]);
}

namespace
{
void Require(bool holds)
{
    if (!holds)
        throw kArrayReadFault;
}

// Every position-sorted array of a flow read from a file must be what the
// editing and layout code can walk without leaving its arrays: the text
// ends 13, 12, 0; formats, rows and column blocks begin at 0, never go
// back and close at the final 0; paragraphs and pages begin at row and
// block 0 and close on the last row and block; tabs stand on tab
// characters and fields on field marks; every index held names a record
// that exists. A body that is not so is damaged.
void CheckFlowStructure(const GDoc& f)
{
    const long length = f.m_chars.count;
    Require(length >= 3 && f.m_chars[length - 3] == kParagraphEnd && f.m_chars[length - 2] == kBreak &&
            f.m_chars[length - 1] == kFlowEnd);
    const long last = length - 1;

    Require(f.m_formats.count >= 2 && f.m_formats[0].pos == 0 && f.m_formats.Last().pos == last);
    for (long i = 1; i < f.m_formats.count; ++i)
        Require(f.m_formats[i].pos >= f.m_formats[i - 1].pos);

    long tabChars = 0;
    for (long p = 0; p < length; ++p)
        if (f.m_chars[p] == kTab)
            ++tabChars;
    Require(f.m_tabs.count == tabChars);
    for (long i = 0; i < f.m_tabs.count; ++i)
    {
        const long pos = f.m_tabs[i].pos;
        Require(pos >= 0 && pos < length && f.m_chars[pos] == kTab);
        Require(i == 0 || pos > f.m_tabs[i - 1].pos);
    }

    const long rows = f.m_rows.count;
    Require(rows >= 2 && f.m_rows[0].first == 0 && f.m_rows.Last().first == last);
    for (long i = 0; i < rows; ++i)
    {
        const GRow& row = f.m_rows[i];
        Require(i == 0 || row.first >= f.m_rows[i - 1].first);
        Require(row.holes && row.holes->count >= 1);
        for (long h = 0; h < row.holes->count; ++h)
        {
            const long resume = (*row.holes)[h].resume;
            Require(resume == kNoPosition || (resume >= 0 && resume <= last));
        }
    }

    Require(f.m_paras.count >= 2 && f.m_paras[0].row == 0 && f.m_paras.Last().row == rows - 1);
    for (long i = 1; i < f.m_paras.count; ++i)
        Require(f.m_paras[i].row >= f.m_paras[i - 1].row);

    for (long i = 0; i < f.m_borders.count; ++i)
        Require(f.m_borders[i].first >= 0 && f.m_borders[i].first <= f.m_borders[i].end &&
                f.m_borders[i].end <= last);
    for (long i = 0; i < f.m_shades.count; ++i)
        Require(f.m_shades[i].first >= 0 && f.m_shades[i].first <= f.m_shades[i].end &&
                f.m_shades[i].end <= last);

    const long blocks = f.m_columns.count;
    Require(blocks >= 2 && f.m_columns[0].first == 0 && f.m_columns.Last().first == last);
    for (long b = 0; b < blocks; ++b)
    {
        const GColumn& c = f.m_columns[b];
        Require(b == 0 || c.first >= f.m_columns[b - 1].first);
        Require(b == blocks - 1 || ((BYTE)c.count >= 1 && (BYTE)c.count <= kMostTextColumns));
        for (LONG start : c.startRows)
            Require(start == kNoPosition || (start >= 0 && start < rows));
    }

    Require(f.m_pages.count >= 2 && f.m_pages[0].block == 0 && f.m_pages.Last().block == blocks - 1);
    for (long i = 1; i < f.m_pages.count; ++i)
        Require(f.m_pages[i].block >= f.m_pages[i - 1].block);

    for (long i = 0; i < f.m_fields.count; ++i)
    {
        const long pos = f.m_fields[i]->m_nPos;
        Require(pos >= 0 && pos < length && f.m_chars[pos] == kFieldMark);
        Require(i == 0 || pos > f.m_fields[i - 1]->m_nPos);
    }
}
} // namespace

void GDoc::OpenZVW(CArchive& ar)
{
    if (bReadOldVersion)
    {
        ReadOldFlowBody(*this, ar);
        CheckFlowStructure(*this);
        m_nClosingColumnPos = m_columns.Last().position;
        return;
    }
    m_chars.Read(ar);
    m_formats.Read(ar);
    m_tabs.Read(ar);
    SerializeRows(ar);
    m_paras.Read(ar);
    m_borders.Read(ar);
    for (long i = 0; i < m_borders.count; ++i)
    {
        CheckBorderStyles(m_borders[i].top);
        CheckBorderStyles(m_borders[i].bottom);
        CheckBorderStyles(m_borders[i].left);
        CheckBorderStyles(m_borders[i].right);
    }
    m_columns.Read(ar);
    m_pages.Read(ar);
    for (long i = 0; i < m_rows.count; ++i)
        SerializeRowHoles(ar, m_rows[i]);
    m_pFirstFrame = NULL;
    m_shades.Read(ar);
    m_frames.Flush();
    Guarded([&] { LoadFrames(ar); });
    m_fields.Flush();
    ReadFields(ar);
    CheckFlowStructure(*this);
    m_nClosingColumnPos = m_columns.Last().position;
}

// ---- Buffers of the older layouts

long HugeArraySize(short size, long count)
{
    if (size <= 0)
        return 0;
    const long per = 65536 / size;
    return (count / per) * 65536 + (count % per) * size;
}

void* HugeArray(void* base, short size, long index)
{
    const long per = 65536 / size;
    return (BYTE*)base + (index / per) * 65536 + (index % per) * size;
}

void ReadInBuffer(CArchive& ar, long& count, long size, unsigned char** buffer)
{
    *buffer = NULL;
    const DWORD n = ReadCount(ar);
    if (n > (DWORD)INT_MAX || size <= 0 || size > 32767)
        throw kArrayReadFault;
    count = (long)n;
    const long bytes = HugeArraySize((short)size, count);
    // A block larger than the whole file cannot be in it: damage, found
    // before anything is allocated.
    CFile* file = ar.GetFile();
    if (file && (ULONGLONG)bytes > (ULONGLONG)file->GetLength())
        throw kArrayReadFault;
    unsigned char* data = new unsigned char[bytes + 1];
    UINT got = 0;
    try
    {
        got = ar.Read(data, (UINT)bytes);
    }
    catch (...)
    {
        delete[] data;
        throw;
    }
    if ((long)got < bytes)
    {
        delete[] data;
        throw kArrayReadFault;
    }
    *buffer = data;
}
