// The characters of a flow in one block with a gap where it was last
// edited (GText.h).
#include "model/GText.h"
#include <string.h>
#include <string>

static_assert(sizeof(GChar) == 1, "the text is stored a byte a character");

namespace
{
// The gap is given about this share of the text (1/32), at least one grow
// step, when it runs out.
const long kGapShare = 32;
}

long GText::StepFor(long characters) const
{
    return std::max((long)grow, characters / kGapShare);
}

void GText::MoveGap(long to) const
{
    const long gap = capacity - count;
    if (gap > 0 && to < gapStart)
        memmove(data + to + gap, data + to, (size_t)(gapStart - to));
    else if (gap > 0 && to > gapStart)
        memmove(data + gapStart, data + gapStart + gap, (size_t)(to - gapStart));
    gapStart = (LONG)to;
}

// The block grows, in whole grow steps, so that the gap holds at least room
// records; the characters after the gap move up to the block's new end. A
// refused enlargement throws with nothing changed.
void GText::WidenGap(long room)
{
    const long oldGap = capacity - count;
    if (room <= oldGap)
        return;
    const long newCapacity = (count + room + grow - 1) / grow * grow;
    room = newCapacity - count;
    void* larger = GlobalReAllocPtr(data, (unsigned long)(newCapacity + 1), 0);
    if (!larger)
        AfxThrowMemoryException();
    data = (GChar*)larger;
    memmove(data + gapStart + room, data + gapStart + oldGap, (size_t)(count - gapStart));
    capacity = (LONG)newCapacity;
}

// The characters after the gap move down so that it holds room records,
// and the block gives back the rest.
void GText::NarrowGap(long room)
{
    const long oldGap = capacity - count;
    if (room >= oldGap)
        return;
    memmove(data + gapStart + room, data + gapStart + oldGap, (size_t)(count - gapStart));
    capacity = (LONG)(count + room);
    // A refused shrink keeps the larger block, which still fits.
    if (void* smaller = GlobalReAllocPtr(data, (unsigned long)(capacity + 1), 0))
        data = (GChar*)smaller;
}

const GChar* GText::GetData() const
{
    MoveGap(gapStart < count - gapStart ? 0 : count);
    return gapStart == 0 ? data + (capacity - count) : data;
}

const GChar* GText::Span(long pos, long n) const
{
    if (n > 0 && pos < gapStart && gapStart < pos + n)
        MoveGap(gapStart - pos <= pos + n - gapStart ? pos : pos + n);
    return data + Physical(pos);
}

const GChar* GText::ByPosition(long from, long to) const
{
    Span(from, to - from);
    return from >= gapStart ? data + (capacity - count) : data;
}

int GText::InsertAt(long pos, const GChar* records, long n)
{
    if (n <= 0)
        return 1;
    // Characters of this text are copied out first: making room moves them.
    std::string own;
    if (records && records >= data && records < data + capacity)
    {
        own.assign((const char*)records, (size_t)n);
        records = (const GChar*)own.data();
    }
    MoveGap(pos);
    // A short text grows by whole steps as any array of a flow; a long one
    // keeps its share of room.
    if (capacity - count < n)
        WidenGap(n + StepFor(count + n) - grow);
    if (records)
        memcpy(data + pos, records, (size_t)n);
    else
        memset(data + pos, 0, (size_t)n);
    gapStart += (LONG)n;
    count += (LONG)n;
    return 1;
}

// The removed characters join the gap: only the characters between the
// gap and the removed ones move. A gap grown past two steps gives the rest
// back.
int GText::Destroy(long pos, long n)
{
    if (n <= 0)
        return 1;
    MoveGap(std::min(std::max((long)gapStart, pos), pos + n));
    gapStart = (LONG)pos;
    count -= (LONG)n;
    const long step = GapStep();
    if (capacity - count > 2 * step)
        NarrowGap(step);
    return 1;
}

int GText::Reserve(long n)
{
    const long wanted = n + StepFor(n);
    if (wanted > capacity)
        WidenGap(wanted - count);
    return 1;
}

// The base reads a plain array, which is this text with its gap at the
// end. The gap then gets its room at once and moves to the start, where
// the caret of an opened document stands: the first keystroke there moves
// nothing, and the text is moved once while the file is read instead.
void GText::Read(CArchive& ar)
{
    MoveGap(count);
    try
    {
        Base::Read(ar);
    }
    catch (...)
    {
        gapStart = count;
        throw;
    }
    gapStart = count;
    Reserve(count);
    MoveGap(0);
}

void GText::Write(CArchive& ar) const
{
    ar << (LONG)count;
    ar.Write(data, (UINT)gapStart);
    ar.Write(data + gapStart + (capacity - count), (UINT)(count - gapStart));
}
