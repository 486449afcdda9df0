// The fields of a flow in the older native layout: a kind byte and a
// position, then a record of the kind's own older shape.
#include "document/old_layout.h"
#include "document/old_ole_item.h"
#include "document/flow_body.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "model/GDoc.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"
#include "model/GListField.h"
#include "model/GOle.h"
#include "ZTOldCell.h"
#include <memory>

const WORD ConvertTimeTable[4] = {3, 1, 2, 0};
const WORD ConvertDateTable[7] = {3, 1, 3, 10, 9, 13, 11};

namespace
{
// Older kinds and the shape of their records.
const BYTE kOldObject = 1;
const BYTE kOldTime = 2;
const BYTE kOldDate = 3;
const BYTE kOldPageNum = 4;
const BYTE kOldCell = 5;
const BYTE kOldNamedCell = 6;
const BYTE kOldList = 7;
const int kTimeRecord = 8;
const int kDateRecord = 26;
const int kFormatByte = 7;
const int kPageNumRecord = 5;
const int kUnusedAfterPageNum = 2;
const int kUnusedBeforeCell = 4;
const int kNamedCellHeader = 5;
const int kNamedCellBlock = 5;
const int kUnusedAfterList = 2;
const BYTE kBlank = ' ';

void ReadStored(CArchive& ar, void* to, UINT n)
{
    if (ar.Read(to, n) != n)
        throw kArrayReadFault;
}

void SkipStored(CArchive& ar, UINT n)
{
    BYTE scratch[64];
    while (n > 0)
    {
        const UINT step = n < sizeof scratch ? n : (UINT)sizeof scratch;
        ReadStored(ar, scratch, step);
        n -= step;
    }
}

void Damaged(bool when)
{
    if (when)
        throw kArrayReadFault;
}

// A table entry for a stored format byte; a byte beyond the table is
// damage.
template <size_t N>
WORD Converted(const WORD (&table)[N], BYTE stored)
{
    Damaged(stored >= N);
    return table[stored];
}

// A cell field on a new cell item of the document, its cell read from the
// exchange record that follows.
GField* ReadOldCell(CArchive& ar, GDoc& flow, long pos)
{
    COldCellRecord record;
    ReadOldCellRecord(ar, record);
    const CCellForm form = ConvertOldCell(record);
    CZTCell* cell = new CZTCell;
    cell->SetName(form.name);
    cell->SetFieldValue(form.value);
    // Cells are shown on the colour the options give cell fields.
    cell->SetBackColor(Options.Colors[CWOptions::kColorMailMerge]);
    if (flow.m_pOwner)
        flow.m_pOwner->AddItem(cell);
    return new GCell(&flow, pos, cell);
}

GField* ReadOldObject(CArchive& ar, GDoc& flow, long pos)
{
    short width, height;
    char name[CWOldZTOleRectItem::kNameSize];
    ar >> width >> height;
    ReadStored(ar, name, sizeof name);
    name[sizeof name - 1] = 0;
    CWOldZTOleRectItem* item = new CWOldZTOleRectItem(flow.m_pOwner, NULL, name);
    item->CreateItemFromOldFormat(ar);
    item->UpdateExtentOld();
    const CSize size(width, height);
    item->SetSize(size);
    GOle* field = new GOle(&flow, pos, item);
    field->SetObjectSize(size);
    return field;
}

GField* ReadOldList(CArchive& ar, GDoc& flow, long pos)
{
    short style, level, continues;
    short numbers[kListLevels];
    ar >> style >> level;
    for (short& n : numbers)
        ar >> n;
    ar >> continues;
    SkipStored(ar, kUnusedAfterList);
    const long styles = flow.m_pOwner ? flow.m_pOwner->m_listStyles.GetCount() : 0;
    Damaged(style >= styles);
    int starts[kListLevels];
    for (int i = 0; i < kListLevels; ++i)
        starts[i] = numbers[i];
    return new GList(&flow, pos, style, starts, continues, level);
}
} // namespace

void ClearOldLayoutState()
{
    for (int i = 0; i < kOldFlowCount; ++i)
    {
        OleFields[i].Flush();
        OldBord[i].Flush();
        OldPageCount[i] = 0;
    }
}

int GDoc::ReadOldFields(CArchive& ar)
{
    Damaged(m_nIndex < 0 || m_nIndex >= kOldFlowCount);
    GArrayI<GField*>& aside = OleFields[m_nIndex];
    aside.Flush();
    DWORD n;
    ar >> n;
    if (n > kMostFieldsInFlow)
        throw kFieldCountFault;
    // The text stands before its fields; the closing 13, 12, 0 hold none.
    const long lastPlace = m_chars.GetCount() - 3;
    for (DWORD i = 0; i < n; ++i)
    {
        BYTE kind;
        LONG pos;
        ar >> kind >> pos;
        Damaged(pos < 0 || pos >= lastPlace);
        std::unique_ptr<GField, void (*)(GField*)> field(NULL, GField::Destroy);
        bool atOnce = false;
        switch (kind)
        {
        case kOldObject:
            field.reset(ReadOldObject(ar, *this, pos));
            break;
        case kOldTime:
        case kOldDate:
        {
            BYTE record[kDateRecord];
            const UINT size = kind == kOldTime ? kTimeRecord : kDateRecord;
            ReadStored(ar, record, size);
            GDateTime* shown = new GDateTime(this, pos);
            field.reset(shown);
            GDateTime::Group& group = kind == kOldTime ? shown->m_time : shown->m_date;
            group.format = kind == kOldTime ? Converted(ConvertTimeTable, record[kFormatByte])
                                            : Converted(ConvertDateTable, record[kFormatByte]);
            shown->m_date.show = kind == kOldDate;
            shown->m_time.show = kind == kOldTime;
            shown->Update();
            atOnce = true;
            break;
        }
        case kOldPageNum:
        {
            BYTE record[kPageNumRecord];
            ReadStored(ar, record, sizeof record);
            SkipStored(ar, kUnusedAfterPageNum);
            field.reset(new GPageNum(this, pos, record[0], record[1]));
            atOnce = true;
            break;
        }
        case kOldCell:
            SkipStored(ar, kUnusedBeforeCell);
            field.reset(ReadOldCell(ar, *this, pos));
            break;
        case kOldNamedCell:
        {
            WORD header[kNamedCellHeader];
            for (WORD& w : header)
                ar >> w;
            // Two texts that today's cells do not keep.
            SkipStored(ar, header[kNamedCellHeader - 1]);
            WORD length;
            ar >> length;
            SkipStored(ar, length);
            // The third block is read as five bytes whatever its length says.
            ar >> length;
            SkipStored(ar, kNamedCellBlock);
            field.reset(ReadOldCell(ar, *this, pos));
            break;
        }
        case kOldList:
            field.reset(ReadOldList(ar, *this, pos));
            break;
        default:
            continue;   // a kind byte without a record
        }
        if (atOnce)
        {
            // Fields join in order, each on its field mark.
            Damaged(m_chars[pos] != kFieldMark);
            Damaged(m_fields.GetCount() > 0 && m_fields.Last()->m_nPos >= pos);
            m_fields.Add(field.release());
            continue;
        }
        m_chars[pos] = kBlank;
        aside.Add(field.release());
    }
    return 1;
}
