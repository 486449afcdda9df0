// The growable arrays of the document model: GArray (records by value),
// GArrayI (owned pointers) and GArrayA (plain values), all over ReArray.
// Used by every flow, frame, style table and the document.
#pragma once
#include "afx.h"
#include "model/global_memory.h"
#include <new>
#include <type_traits>

// The block is moveable and zero-filled when first made (GMEM_MOVEABLE |
// GMEM_ZEROINIT, 66); it is resized with no flags.
const unsigned int kArrayAllocFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;
// Thrown (as a plain int) by every array reader when the stored array is
// damaged: a count out of bounds or a stream that ends too early.
const int kArrayReadFault = 2;
// Stored arrays are read at most this many records at a time, so a damaged
// count never makes the reader allocate more than the stream really holds
// plus one chunk.
const long kArrayReadChunk = 65536;

// The one storage primitive under every array. n counts size-byte records
// in data; k records are opened (k > 0, zero-filled) or closed (k < 0) at
// pos, and n changes by k. With resize set the block follows: it holds
// size * (new n) + 1 bytes afterwards. Returns the block, which may have
// moved. A refused enlargement throws CMemoryException with nothing
// changed.
inline void* ReArray(void* data, LONG& n, int size, long pos, long k, int resize)
{
    if (k == 0)
        return data;
    BYTE* p = (BYTE*)data;
    const size_t rec = (size_t)size;
    if (k < 0)
    {
        long tail = n - pos + k;   // records after the removed ones
        if (tail > 0)
            memmove(p + pos * rec, p + (pos - k) * rec, tail * rec);
        if (resize)
        {
            // A refused shrink leaves the larger block, which still fits.
            void* smaller = GlobalReAllocPtr(p, (unsigned long)((n + k) * rec + 1), 0);
            if (smaller)
                p = (BYTE*)smaller;
        }
    }
    else
    {
        if (resize)
        {
            void* larger = GlobalReAllocPtr(p, (unsigned long)((n + k) * rec + 1), 0);
            if (!larger)
                AfxThrowMemoryException();
            p = (BYTE*)larger;
        }
        if (pos != n)
            memmove(p + (pos + k) * rec, p + pos * rec, (n - pos) * rec);
        memset(p + pos * rec, 0, k * rec);
    }
    n += (LONG)k;
    return p;
}

// What a record held by value owns besides its bytes. Records that own
// something (rows, holes) declare their own overload beside their type;
// a type with a destructor has it run.
template <class T>
inline void ReleaseRecord(T& record)
{
    if constexpr (!std::is_trivially_destructible<T>::value)
        record.~T();
}

struct GReleaseRecord
{
    template <class T>
    static void Release(T& record) { ReleaseRecord(record); }
};

// Owned pointers go through the object's own Destroy (a flow, a field, a
// frame), which decides whether it really goes away.
struct GReleaseOwned
{
    template <class P>
    static void Release(P& p)
    {
        if (p)
            p->Destroy();
    }
};

struct GReleaseNothing
{
    template <class T>
    static void Release(T&) {}
};

// The common part: one global block with room for capacity records plus a
// spare byte; capacity grows and shrinks in whole steps of grow. Records
// move whenever the block is resized or records come and go: keep indexes,
// never pointers, across changes.
template <class T, class Release>
class GArrayBlock
{
public:
    T* data;          // the locked block
    LONG count;       // records in use
    LONG capacity;    // records the block can hold
    LONG grow;        // step of capacity changes; 1 or more

    explicit GArrayBlock(long initialCapacity = 0, long growBy = 32)
        : data(NULL), count(0), capacity((LONG)initialCapacity), grow(growBy < 1 ? 1 : (LONG)growBy)
    {
        data = (T*)GlobalAllocPtr(kArrayAllocFlags, (unsigned long)(capacity * sizeof(T) + 1));
        if (!data)
            AfxThrowMemoryException();
    }

    ~GArrayBlock()
    {
        if (!data)
            return;
        for (LONG i = 0; i < count; ++i)
            Release::Release(data[i]);
        GlobalFreePtr(data);
    }

    LONG GetCount() const { return count; }
    T* GetData() { return data; }
    const T* GetData() const { return data; }
    T& operator[](long i) { return data[i]; }
    const T& operator[](long i) const { return data[i]; }
    T& Last() { return data[count - 1]; }
    const T& Last() const { return data[count - 1]; }

    // Appends a copy; returns 1.
    int Add(const T& record) { return AddAt(record, count); }

    // Inserts a copy at pos (count appends), moving pos and the records
    // after it up by one; returns 1. The record may be one of this array's.
    int AddAt(const T& record, long pos)
    {
        long source = IndexInBlock(&record);
        if (count == capacity)
            data = (T*)ReArray(data, capacity, sizeof(T), capacity, grow, 1);
        data = (T*)ReArray(data, count, sizeof(T), pos, 1, 0);
        if (source >= pos)
            ++source;
        CopyInto(data + pos, source >= 0 ? data[source] : record);
        return 1;
    }

    // Inserts n records at pos in one move of the tail: copies of records
    // when given, else zero-filled ones that the caller fills. Capacity
    // grows by as many whole steps as needed. Returns 1.
    int InsertAt(long pos, const T* records, long n)
    {
        if (n <= 0)
            return 1;
        if (count + n > capacity)
        {
            long steps = (count + n - capacity + grow - 1) / grow;
            data = (T*)ReArray(data, capacity, sizeof(T), capacity, steps * grow, 1);
        }
        data = (T*)ReArray(data, count, sizeof(T), pos, n, 0);
        if (records)
            for (long i = 0; i < n; ++i)
                CopyInto(data + pos + i, records[i]);
        return 1;
    }

    // Grows the capacity by whole grow steps until n records fit, so that
    // adding them one by one resizes the block at most once; returns 1.
    int Reserve(long n)
    {
        if (n > capacity)
        {
            long steps = (n - capacity + grow - 1) / grow;
            data = (T*)ReArray(data, capacity, sizeof(T), capacity, steps * grow, 1);
        }
        return 1;
    }

    // Releases what the n records from pos own, removes them and gives
    // back whole grow steps of spare room; returns 1.
    int Destroy(long pos, long n)
    {
        for (long i = pos; i < pos + n; ++i)
            Release::Release(data[i]);
        data = (T*)ReArray(data, count, sizeof(T), pos, -n, 0);
        if (count > capacity - grow)
            return 1;
        long spare = capacity - count;
        long keep = spare % grow;
        data = (T*)ReArray(data, capacity, sizeof(T), count + keep, keep - spare, 1);
        return 1;
    }

    // Releases every record and drops the block to its spare byte; grow
    // stays.
    void Flush()
    {
        for (LONG i = 0; i < count; ++i)
            Release::Release(data[i]);
        void* smaller = GlobalReAllocPtr(data, 1, 0);
        if (smaller)
            data = (T*)smaller;
        count = 0;
        capacity = 0;
    }

protected:
    // Index of a record that lies inside this array's block, else -1.
    long IndexInBlock(const T* p) const
    {
        if (p >= data && p < data + count)
            return (long)(p - data);
        return -1;
    }

    // Plain records are byte copies (a row's copy takes over its hole
    // array); records with their own copy (page information with its font
    // style) are copy-constructed in the zero-filled slot.
    static void CopyInto(T* slot, const T& record)
    {
        if constexpr (std::is_trivially_copyable<T>::value)
            memcpy((void*)slot, (const void*)&record, sizeof(T));
        else
            new (slot) T(record);
    }

private:
    GArrayBlock(const GArrayBlock&) = delete;
    GArrayBlock& operator=(const GArrayBlock&) = delete;
};

// Records stored by value. Records that are part of the native file (they
// declare kStoredSize, their count bounds and Write/Read) can be written
// and read as a whole array.
template <class T>
class GArray : public GArrayBlock<T, GReleaseRecord>
{
    typedef GArrayBlock<T, GReleaseRecord> Base;

public:
    explicit GArray(long initialCapacity = 0, long growBy = 32) : Base(initialCapacity, growBy) {}

    // The count as a 4-byte integer, then each record's stored form.
    void Write(CArchive& ar) const
    {
        ar << (LONG)this->count;
        for (LONG i = 0; i < this->count; ++i)
            this->data[i].Write(ar);
    }

    // Replaces the contents with what Write wrote. Throws the int 2 when
    // fewer than 4 bytes of count arrive or the count lies outside the
    // record's bounds (the array is then untouched), or when the stream
    // ends inside the records (the contents are then not to be used).
    // Afterwards capacity equals count.
    void Read(CArchive& ar)
    {
        BYTE raw[4];
        if (ar.Read(raw, 4) < 4)
            throw kArrayReadFault;
        LONG stored = (LONG)((DWORD)raw[0] | ((DWORD)raw[1] << 8) | ((DWORD)raw[2] << 16) | ((DWORD)raw[3] << 24));
        if ((long long)stored < (long long)T::kLeastStoredCount || (long long)stored > (long long)T::kMostStoredCount)
            throw kArrayReadFault;
        this->Flush();
        try
        {
            while (this->count < stored)
            {
                long chunk = stored - this->count;
                if (chunk > kArrayReadChunk)
                    chunk = kArrayReadChunk;
                this->data = (T*)ReArray(this->data, this->capacity, sizeof(T), this->capacity, chunk, 1);
                for (long i = 0; i < chunk; ++i)
                {
                    this->data[this->count].Read(ar);
                    ++this->count;
                }
            }
        }
        catch (CArchiveException* e)
        {
            if (e->m_cause != CArchiveException::endOfFile)
                throw;
            e->Delete();
            throw kArrayReadFault;
        }
    }
};

// Owned pointers (GArrayI<GDoc*>, GArrayI<GField*>, GArrayI<CFrame*>):
// removing an element, flushing or destroying the array calls the
// element's Destroy.
template <class P>
class GArrayI : public GArrayBlock<P, GReleaseOwned>
{
    static_assert(std::is_pointer<P>::value, "GArrayI holds pointers");
    typedef GArrayBlock<P, GReleaseOwned> Base;

public:
    explicit GArrayI(long initialCapacity = 0, long growBy = 32) : Base(initialCapacity, growBy) {}
};

// Plain values that need no clean-up (GArrayA<int>): only the block is
// freed.
template <class T>
class GArrayA : public GArrayBlock<T, GReleaseNothing>
{
    static_assert(std::is_trivially_copyable<T>::value, "GArrayA holds plain values");
    typedef GArrayBlock<T, GReleaseNothing> Base;

public:
    explicit GArrayA(long initialCapacity = 0, long growBy = 32) : Base(initialCapacity, growBy) {}
};
