// Locked global-memory helpers. Every pointer handed out is the locked
// address of a global block, so the handle is always found again with
// GlobalHandle.
#include "model/global_memory.h"

void* GlobalAllocPtr(unsigned int flags, unsigned long size)
{
    HGLOBAL h = ::GlobalAlloc(flags, size);
    return h ? ::GlobalLock(h) : NULL;
}

void* GlobalReAllocPtr(void* p, unsigned long size, unsigned int flags)
{
    HGLOBAL h = ::GlobalHandle(p);
    // Unlocked, a moveable block may move to grow; a locked one could only
    // grow in place.
    ::GlobalUnlock(h);
    HGLOBAL resized = ::GlobalReAlloc(h, size, flags);
    if (!resized)
    {
        ::GlobalLock(h);
        return NULL;
    }
    return ::GlobalLock(resized);
}

void GlobalFreePtr(void* p)
{
    if (!p)
        return;
    HGLOBAL h = ::GlobalHandle(p);
    ::GlobalUnlock(h);
    ::GlobalFree(h);
}

unsigned long GlobalSizePtr(void* p)
{
    return (unsigned long)::GlobalSize(::GlobalHandle(p));
}

void* CopyPtr(void* p)
{
    if (!p)
        return NULL;
    unsigned long size = GlobalSizePtr(p);
    void* copy = GlobalAllocPtr(GMEM_MOVEABLE, size);
    if (copy)
        memcpy(copy, p, size);
    return copy;
}
