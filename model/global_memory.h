// Locked Win32 global-memory blocks: the storage under every growable array
// (GArray.h) and whatever else keeps a block it must copy or resize.
#pragma once
#include "afx.h"

// windowsx.h has macros of the same names over the raw handles; ours work
// on the locked pointer and take precedence.
#undef GlobalAllocPtr
#undef GlobalReAllocPtr
#undef GlobalFreePtr
#undef GlobalSizePtr

// A new block with the flags (GMEM_MOVEABLE | GMEM_ZEROINIT and the like),
// returned locked; null when the allocator refuses.
void* GlobalAllocPtr(unsigned int flags, unsigned long size);
// Resizes the block of p and returns it locked again; it may have moved.
// When the allocator refuses, the old block stays as it was (still locked
// at p) and the answer is null.
void* GlobalReAllocPtr(void* p, unsigned long size, unsigned int flags);
// Unlocks and frees the block of p; a null p is ignored.
void GlobalFreePtr(void* p);
// Bytes in the block of p.
unsigned long GlobalSizePtr(void* p);
// A new moveable block of the same size as p's, holding a copy of its bytes,
// returned locked; null when p is null or the allocator refuses.
void* CopyPtr(void* p);
