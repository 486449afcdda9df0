// The characters of a flow in one block with room at both ends (GText.h).
#include "model/GText.h"
#include <string.h>

static_assert(sizeof(GChar) == 1, "the text is stored a byte a character");

namespace
{
// The front's room is about this share of the text (1/32), at least one
// grow step.
const long kFrontShare = 32;
}

long GText::FrontStep() const
{
    return std::max((long)grow, (long)count / kFrontShare);
}

void GText::MoveToBlockStart()
{
    if (front == 0 || !data)
        return;
    BYTE* block = Block();
    memmove(block, data, (size_t)count);
    data = (GChar*)block;
    capacity += front;
    front = 0;
}

// Resizes the block so that newCapacity records fit from data on; the
// front stays. A refused enlargement throws with nothing changed.
void GText::SetBlockCapacity(long newCapacity)
{
    void* resized = GlobalReAllocPtr(Block(), (unsigned long)(front + newCapacity + 1), 0);
    if (!resized)
    {
        if (newCapacity > capacity)
            AfxThrowMemoryException();
        return;   // a refused shrink keeps the larger block, which still fits
    }
    data = (GChar*)((BYTE*)resized + front);
    capacity = (LONG)newCapacity;
}

// Gives the front room for n records and a step more: the block grows by
// what the back cannot spare and the characters move up once.
void GText::MakeFrontRoom(long n)
{
    const long wanted = n + FrontStep();
    const long needed = wanted + capacity;   // the back keeps its room
    if (needed > front + capacity)
        SetBlockCapacity(needed - front);
    const long total = front + capacity;
    BYTE* block = Block();
    memmove(block + wanted, data, (size_t)count);
    data = (GChar*)(block + wanted);
    capacity = (LONG)(total - wanted);
    front = (LONG)wanted;
}

int GText::InsertAt(long pos, const GChar* records, long n)
{
    if (n <= 0)
        return 1;
    // Text put in front of a short tail (a whole file into a new flow,
    // whose back was reserved for it) moves the tail, not the front.
    if (pos < count - pos && count - pos > n)
    {
        if (front < n)
            MakeFrontRoom(n);
        memmove((BYTE*)data - n, data, (size_t)pos);
        data -= n;
        front -= (LONG)n;
        capacity += (LONG)n;
    }
    else
    {
        if (count + n > capacity)
        {
            const long steps = (count + n - capacity + grow - 1) / grow;
            SetBlockCapacity(capacity + steps * grow);
        }
        memmove(data + pos + n, data + pos, (size_t)(count - pos));
    }
    count += (LONG)n;
    if (records)
        memmove(data + pos, records, (size_t)n);
    else
        memset(data + pos, 0, (size_t)n);
    return 1;
}

int GText::Reserve(long n)
{
    if (n > capacity)
    {
        const long steps = (n - capacity + grow - 1) / grow;
        SetBlockCapacity(capacity + steps * grow);
    }
    return 1;
}

// Removes n records at pos, then gives back room as GArray does: whole
// grow steps at the back, and a front grown past two steps by deletions
// near the start (the characters move down to one step of front room,
// the rest joins the back).
int GText::Destroy(long pos, long n)
{
    if (n <= 0)
        return 1;
    if (pos < count - pos - n)
    {
        memmove(data + n, data, (size_t)pos);
        data += n;
        front += (LONG)n;
        capacity -= (LONG)n;
    }
    else
        memmove(data + pos, data + pos + n, (size_t)(count - pos - n));
    count -= (LONG)n;

    const long step = FrontStep();
    if (front > 2 * step)
    {
        BYTE* block = Block();
        memmove(block + step, data, (size_t)count);
        data = (GChar*)(block + step);
        capacity += (LONG)(front - step);
        front = (LONG)step;
    }
    if (count > capacity - grow)
        return 1;
    const long spare = capacity - count;
    SetBlockCapacity(count + spare % grow);
    return 1;
}
