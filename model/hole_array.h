// A row's holes (GArray<CHole>, owned by GRow): the array as every other
// GArray behaves, with its first record kept inside the array object.
// Included by flow_records.h right after CHole; include that header, not
// this one.
#pragma once
#include <string.h>

// Nearly every row has only its margin mark, whose resume (where the next
// row begins) moves with every keystroke before it. Kept in the array
// object, that hole is read and written where the count is, one place a
// row, and a row needs no block of its own; only rows that frames cut
// hold more than one hole and get a block. count, capacity and grow mean
// what they mean in GArray: capacity grows and shrinks in whole steps of
// grow, and slots opened without records are zero-filled.
template <>
class GArray<CHole>
{
public:
    CHole* data;      // the inline record while capacity is 1 or less
    LONG count;
    LONG capacity;
    LONG grow;

    explicit GArray(long initialCapacity = 0, long growBy = 32)
        : data(&inlineHole), count(0), capacity(0), grow(growBy < 1 ? 1 : (LONG)growBy)
    {
        SetCapacity(initialCapacity);
    }

    ~GArray()
    {
        for (LONG i = 0; i < count; ++i)
            ReleaseRecord(data[i]);
        if (data != &inlineHole)
            delete[] data;
    }

    LONG GetCount() const { return count; }
    CHole* GetData() { return data; }
    const CHole* GetData() const { return data; }
    CHole& operator[](long i) { return data[i]; }
    const CHole& operator[](long i) const { return data[i]; }
    CHole& Last() { return data[count - 1]; }
    const CHole& Last() const { return data[count - 1]; }

    int Add(const CHole& record) { return AddAt(record, count); }
    // The record may be one of this array's.
    int AddAt(const CHole& record, long pos)
    {
        const CHole copy = record;
        return InsertAt(pos, &copy, 1);
    }

    // Byte copies of records when given (a copy takes over its widths),
    // else zero-filled slots.
    int InsertAt(long pos, const CHole* records, long n)
    {
        if (n <= 0)
            return 1;
        if (count + n > capacity)
            SetCapacity(capacity + (count + n - capacity + grow - 1) / grow * grow);
        memmove((void*)(data + pos + n), (const void*)(data + pos), (size_t)(count - pos) * sizeof(CHole));
        if (records)
            memcpy((void*)(data + pos), (const void*)records, (size_t)n * sizeof(CHole));
        else
            memset((void*)(data + pos), 0, (size_t)n * sizeof(CHole));
        count += (LONG)n;
        return 1;
    }

    int Reserve(long n)
    {
        if (n > capacity)
            SetCapacity(capacity + (n - capacity + grow - 1) / grow * grow);
        return 1;
    }

    // Releases the n records from pos, removes them and gives back whole
    // grow steps of spare room.
    int Destroy(long pos, long n)
    {
        for (long i = pos; i < pos + n; ++i)
            ReleaseRecord(data[i]);
        memmove((void*)(data + pos), (const void*)(data + pos + n), (size_t)(count - pos - n) * sizeof(CHole));
        count -= (LONG)n;
        if (count > capacity - grow)
            return 1;
        const long spare = capacity - count;
        SetCapacity(count + spare % grow);
        return 1;
    }

    void Flush()
    {
        for (LONG i = 0; i < count; ++i)
            ReleaseRecord(data[i]);
        count = 0;
        SetCapacity(0);
    }

private:
    CHole inlineHole;

    // Moves the records between the inline slot and a block of the new
    // capacity (count fits in it). A refused block throws with nothing
    // changed.
    void SetCapacity(long newCapacity)
    {
        CHole* target = &inlineHole;
        if (newCapacity > 1)
        {
            target = new (std::nothrow) CHole[newCapacity];
            if (!target)
                AfxThrowMemoryException();
        }
        if (target != data)
        {
            memmove((void*)target, (const void*)data, (size_t)count * sizeof(CHole));
            if (data != &inlineHole)
                delete[] data;
            data = target;
        }
        capacity = (LONG)newCapacity;
    }

    GArray(const GArray&) = delete;
    GArray& operator=(const GArray&) = delete;
};
