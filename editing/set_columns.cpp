// Setting the text-column layout of whole paragraphs: the column block
// records are split around the paragraphs so that the text before and
// after keeps its layout.
#include "model/GDoc.h"
#include "editing/column_gaps.h"
#include "editing/editing_support.h"
#include <algorithm>

namespace
{
// A block that starts at first on row firstRow and otherwise has the
// layout of model.
GColumn BlockLike(const GColumn& model, long first, long firstRow)
{
    GColumn block = model;
    block.first = (LONG)first;
    for (LONG& row : block.startRows)
        row = kNoPosition;
    block.startRows[0] = (LONG)firstRow;
    return block;
}
} // namespace

void GDoc::SetColumns(long from, long to, int count, tagColumnData* data, int equal)
{
    if (!data)
        return;
    // A range given backwards is the same range; taken as it stands, its
    // end would fall before its start and the blocks out of order.
    if (to < from)
        std::swap(from, to);
    const long length = m_chars.count;
    from = std::max(0L, std::min(from, length - 3));
    to = std::max(0L, std::min(to, length - 1));
    if (to == 0)
        to = 1;
    // A block holds one to six text columns; its count byte must never
    // read past the six pairs.
    count = std::max(1, std::min(count, kMostTextColumns));

    const long pA = GetCharPara(from);
    const long pB = GetCharPara(to - 1);
    const long pE = std::min(pA == pB + 1 ? pB + 2 : pB + 1, (long)m_paras.count - 1);
    const long cStart = GetParaChar(pA), cEnd = GetParaChar(pE);
    const long rStart = GetParaRow(pA), rEnd = GetParaRow(pE);
    const long bStart = GetCharColumn(cStart), bEnd = GetCharColumn(cEnd);

    data[count - 1].gap = 0;
    if (count > 1)
        FitColumnGaps(*this, cStart, cEnd, count, data, equal);

    if (bStart == bEnd)
    {
        // The text after the range keeps the layout it had.
        if (m_columns[bStart + 1].first != cEnd)
        {
            GColumn after = BlockLike(m_columns[bStart], cEnd, rEnd);
            after.position = m_columns[bStart + 1].position;
            InsColumnItem(after, bStart + 1);
        }
    }
    else
    {
        for (long b = bEnd - 1; b > bStart; --b)
            DelColumnItem(b);
        m_columns[bStart + 1].first = (LONG)cEnd;
        m_columns[bStart + 1].startRows[0] = (LONG)rEnd;
    }

    long target = bStart;
    if (m_columns[bStart].first != cStart)
    {
        GColumn added((long)cStart, (signed char)count, data, 0);
        added.startRows[0] = (LONG)rStart;
        InsColumnItem(added, bStart + 1);
        target = bStart + 1;
    }
    GColumn& block = m_columns[target];
    block.count = (signed char)count;
    for (int k = 0; k < kMostTextColumns; ++k)
        block.cols[k] = data[k];

    m_nSelFirst = m_nSelEnd;
    ReRowByRow(rStart, rEnd, kReRowEdit, kWholeParagraph);
    Notify(1);
    MarkModified(this);
}
