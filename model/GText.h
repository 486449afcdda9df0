// The characters of a flow (GDoc::m_chars): one contiguous block as every
// reader expects, with room kept at both of its ends.
#pragma once
#include "model/flow_records.h"

// Text typed or removed near the start of a long flow moves the characters
// before it into the room at the front of the block, not the megabytes
// after it; near the end it moves those after it, as any array does. So a
// keystroke moves at most half the text, none at either end.
//
// data always points at the first character and the characters are always
// contiguous: readers index, take GetData() and count as with any array.
// The block begins `front` records before data; capacity counts the
// records that fit from data to the block's end. The base's members that
// resize or free the block are hidden here (the inheritance is private),
// so nothing reaches the block through an inner pointer.
class GText : private GArray<GChar>
{
    typedef GArray<GChar> Base;

public:
    LONG front = 0;   // records of room before data

    GText(long initialCapacity, long growBy) : Base(initialCapacity, growBy) {}
    // The base frees the block from its start.
    ~GText() { MoveToBlockStart(); }

    using Base::data;
    using Base::count;
    using Base::capacity;
    using Base::grow;
    using Base::GetCount;
    using Base::GetData;
    using Base::operator[];
    using Base::Last;
    using Base::Write;

    // As GArray's, each moving whichever side of pos is shorter.
    int Add(const GChar& c) { return AddAt(c, count); }
    int AddAt(const GChar& c, long pos)
    {
        const GChar copy = c;   // c may lie in the block
        return InsertAt(pos, &copy, 1);
    }
    int InsertAt(long pos, const GChar* records, long n);
    int Destroy(long pos, long n);
    int Reserve(long n);
    void Flush()
    {
        MoveToBlockStart();
        Base::Flush();
    }
    void Read(CArchive& ar)
    {
        MoveToBlockStart();
        Base::Read(ar);
    }

private:
    BYTE* Block() const { return (BYTE*)data - front; }
    // Room the front is given when it runs out, and the most it may keep
    // after deletions: a share of the text, so that refilling it costs a
    // few bytes a keystroke.
    long FrontStep() const;
    void MoveToBlockStart();
    void SetBlockCapacity(long newCapacity);
    void MakeFrontRoom(long n);
};
