// The characters of a flow (GDoc::m_chars): one block with a gap of free
// room where the text was last changed, so that typing or deleting
// anywhere in a long flow moves a few bytes, not the text after it.
#pragma once
#include "model/flow_records.h"

// One character of the text, writable as a reference would be. Its address
// cannot be taken: the character after it need not follow it in memory.
class GCharRef
{
public:
    explicit GCharRef(GChar& c) : ch(c) {}
    GCharRef(const GCharRef&) = default;
    operator BYTE() const { return ch.c; }
    GCharRef& operator=(GChar c)
    {
        ch = c;
        return *this;
    }
    GCharRef& operator=(const GCharRef& other)
    {
        ch = other.ch;
        return *this;
    }
    void operator&() const = delete;

private:
    GChar& ch;
};

// The characters [0, gapStart) lie at the start of the block, then comes
// the gap (capacity - count free records), then the characters [gapStart,
// count). An edit first moves the gap to its place, costing the distance
// from the last edit; typing next to the last keystroke costs nothing.
//
// Index reads and writes see the characters in order wherever the gap is.
// Pointers come two ways:
//   Span(pos, n), ByPosition(from, to)  a contiguous stretch: a gap inside
//       it moves out to the stretch's nearer edge, so a row or a paragraph
//       costs at most half its length. The typing path reads this way.
//       A pointer stays valid until the text changes, the whole text is
//       asked for, or a stretch that overlaps it only in part is asked
//       for: stretches that nest or do not meet leave each other's
//       characters where they are. Take one just before it is read.
//   GetData()  the whole text contiguous: the gap moves to the nearer end,
//       costing at most half the text (saving, finding, whole-text tools);
//       stretches asked for afterwards move nothing, until the next edit.
// The gap is no part of the text: it moves inside const readers, and the
// stored form (Write) is the plain array's, byte for byte.
class GText : private GArray<GChar>
{
    typedef GArray<GChar> Base;

public:
    using Base::count;      // characters
    using Base::capacity;   // characters the block holds: count + the gap
    using Base::grow;
    using Base::GetCount;

    GText(long initialCapacity, long growBy) : Base(initialCapacity, growBy) {}

    GChar operator[](long i) const { return data[Physical(i)]; }
    GCharRef operator[](long i) { return GCharRef(data[Physical(i)]); }
    GChar Last() const { return (*this)[count - 1]; }

    const GChar* GetData() const;
    const GChar* Span(long pos, long n) const;
    // A pointer that indexes characters by their positions: p[i] is
    // character i for from <= i < to.
    const GChar* ByPosition(long from, long to) const;

    // Where the gap is and how long (for tests and measurements).
    long GapStart() const { return gapStart; }
    long GapLength() const { return capacity - count; }
    // The room the gap is given when it runs out: a share of the text, so
    // that refilling it costs a few bytes a keystroke.
    long GapStep() const { return StepFor(count); }

    int Add(const GChar& c) { return AddAt(c, count); }
    int AddAt(const GChar& c, long pos)
    {
        const GChar copy = c;   // c may lie in the block
        return InsertAt(pos, &copy, 1);
    }
    // Copies of records (which may lie in this text), else zero-filled
    // characters that the caller fills.
    int InsertAt(long pos, const GChar* records, long n);
    int Destroy(long pos, long n);
    // Makes room for n characters and a typing gap beside them, so that the
    // first keystroke after a whole text was put in does not enlarge the
    // block.
    int Reserve(long n);
    void Flush()
    {
        Base::Flush();
        gapStart = 0;
    }
    void Read(CArchive& ar);
    void Write(CArchive& ar) const;

private:
    mutable LONG gapStart = 0;

    long StepFor(long characters) const;
    long Physical(long i) const { return i < gapStart ? i : i + (capacity - count); }
    void MoveGap(long to) const;
    // Enlarges the gap (at gapStart) to at least room records.
    void WidenGap(long room);
    void NarrowGap(long room);
};
