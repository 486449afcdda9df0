// An array of position-sorted records whose positions move with the text
// before them (the rows of a flow): a keystroke moves every later record,
// and this array keeps that move as one pending step instead of walking
// the records. Included by flow_records.h; include that header.
#pragma once
#include "model/GArray.h"
#include <limits.h>

// The records from `from` on still lack `delta` in their positions. A
// record is settled (given the step) when it is read through operator[],
// Last or GetData, so every reader sees true positions; the next shift
// settles the records up to where it lands, or, landing a little before
// the step, takes the step back over the few records in between. Typing
// at one place so costs a few records a keystroke wherever the place is.
//
// A record type takes part through three overloads beside it:
//   LONG ShiftedPosition(const T&)        its sorting position;
//   void ShiftPositions(T&, LONG delta)    moves every position it holds;
//   bool CanUnshift(const T&, LONG delta)  false when taking delta back
//                                          from its positions could make
//                                          one of them look like a sentinel.
//
// The raw block is not reachable (the inheritance is private): the stored
// form is written settled, and pointers into the block come only settled
// (GetData) or explicitly unsettled (UnsettledData, for reading what no
// shift changes).
template <class T>
class GShiftedArray : private GArray<T>
{
    typedef GArray<T> Base;
    static const LONG kNothingPending = INT_MAX;

public:
    explicit GShiftedArray(long initialCapacity = 0, long growBy = 32) : Base(initialCapacity, growBy) {}

    using Base::count;
    using Base::capacity;
    using Base::grow;
    using Base::GetCount;
    using Base::Reserve;

    T& operator[](long i)
    {
        if (i >= pendingFrom)
            Settle(i + 1);
        return this->data[i];
    }
    const T& operator[](long i) const { return const_cast<GShiftedArray&>(*this)[i]; }
    T& Last() { return (*this)[this->count - 1]; }
    const T& Last() const { return (*this)[this->count - 1]; }
    T* GetData()
    {
        Settle(this->count);
        return this->data;
    }
    const T* GetData() const { return const_cast<GShiftedArray&>(*this).GetData(); }

    // Record i's position as a settled read gives it, settling nothing:
    // searches by position use it, so that looking something up far away
    // does not settle everything before it.
    LONG PositionAt(long i) const
    {
        const LONG stored = ShiftedPosition(this->data[i]);
        return i >= pendingFrom ? stored + pendingDelta : stored;
    }
    // Record i as stored, settling nothing: what ShiftPositions moves may
    // still lack the pending step. For reading and writing the rest of a
    // record (a row's place and height) on walks over many records.
    T& Unsettled(long i) { return this->data[i]; }
    const T& Unsettled(long i) const { return this->data[i]; }
    // The block as it is: positions (and whatever ShiftPositions moves) of
    // records from PendingFrom() on still lack the pending step. Only for
    // reading what no shift changes.
    const T* UnsettledData() const { return this->data; }
    long PendingFrom() const { return pendingFrom == kNothingPending ? this->count : pendingFrom; }

    // Moves the positions of record from and of every record after it by
    // delta.
    void ShiftFrom(long from, LONG delta)
    {
        if (from < 0)
            from = 0;
        if (from >= this->count || delta == 0)
            return;
        if (pendingFrom == kNothingPending)
        {
            pendingFrom = (LONG)from;
            pendingDelta = delta;
            return;
        }
        if (from >= pendingFrom)
            Settle(from);
        else if (pendingFrom - from > this->count - pendingFrom || !Unshift(from))
            Settle(this->count);
        if (pendingFrom == kNothingPending)
        {
            pendingFrom = (LONG)from;
            pendingDelta = delta;
            return;
        }
        pendingDelta += delta;
        if (pendingDelta == 0)
            pendingFrom = kNothingPending;
    }

    // As GArray's; records inserted are taken as settled.
    int Add(const T& record) { return AddAt(record, this->count); }
    int AddAt(const T& record, long pos)
    {
        const long source = this->IndexInBlock(&record);
        if (source >= 0)
            (void)(*this)[source];
        BeforeInsert(pos);
        Base::AddAt(record, pos);
        AfterInsert(1);
        return 1;
    }
    int InsertAt(long pos, const T* records, long n)
    {
        if (n <= 0)
            return 1;
        BeforeInsert(pos);
        Base::InsertAt(pos, records, n);
        AfterInsert(n);
        return 1;
    }
    int Destroy(long pos, long n)
    {
        if (n > 0 && pendingFrom != kNothingPending)
        {
            if (pos + n <= pendingFrom)
                pendingFrom -= (LONG)n;
            else if (pos < pendingFrom)
                pendingFrom = (LONG)pos;
        }
        Base::Destroy(pos, n);
        if (pendingFrom >= this->count)
            Clear();
        return 1;
    }
    void Flush()
    {
        Base::Flush();
        Clear();
    }
    void Write(CArchive& ar) const
    {
        const_cast<GShiftedArray&>(*this).Settle(this->count);
        Base::Write(ar);
    }
    void Read(CArchive& ar)
    {
        Clear();
        Base::Read(ar);
    }

private:
    LONG pendingFrom = kNothingPending;
    LONG pendingDelta = 0;

    void Clear()
    {
        pendingFrom = kNothingPending;
        pendingDelta = 0;
    }

    // Gives the step to the records before end.
    void Settle(long end)
    {
        if (end > this->count)
            end = this->count;
        T* records = this->data;
        for (long i = pendingFrom; i < end; ++i)
            ShiftPositions(records[i], pendingDelta);
        if (end > pendingFrom)
            pendingFrom = (LONG)end;
        if (pendingFrom >= this->count)
            Clear();
    }

    // Takes the step back over the settled records from `from` up to the
    // step, which then begins at from; false, with nothing changed, when
    // a record cannot take it.
    bool Unshift(long from)
    {
        T* records = this->data;
        for (long i = from; i < pendingFrom; ++i)
            if (!CanUnshift(records[i], pendingDelta))
                return false;
        for (long i = from; i < pendingFrom; ++i)
            ShiftPositions(records[i], -pendingDelta);
        pendingFrom = (LONG)from;
        return true;
    }

    // Records inserted at pos must lie before the step.
    void BeforeInsert(long pos)
    {
        if (pos > pendingFrom)
            Settle(pos);
    }
    void AfterInsert(long n)
    {
        if (pendingFrom != kNothingPending)
            pendingFrom += (LONG)n;
    }

    GShiftedArray(const GShiftedArray&) = delete;
    GShiftedArray& operator=(const GShiftedArray&) = delete;
};
