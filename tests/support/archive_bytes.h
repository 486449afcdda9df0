// Stored records as bytes: what a writer stores through an archive, a reader
// run over bytes, and bytes in hex for failure messages; used by the tests
// of every stored form, the class library's archive included.
#pragma once
#include "afx.h"
#include <functional>
#include <stdio.h>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// What write stores; a small buffer makes values straddle the refills.
inline Bytes StoreToBytes(const std::function<void(CArchive&)>& write, int bufferSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, bufferSize);
        write(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Runs read over the bytes; answers how many it left unread. What read
// throws passes through.
inline size_t LoadFromBytes(Bytes bytes, const std::function<void(CArchive&)>& read, int bufferSize = 4096)
{
    BYTE spare = 0;   // a memory file needs a buffer even when it is empty
    CMemFile file(bytes.empty() ? &spare : bytes.data(), (UINT)bytes.size(), 0);
    CArchive ar(&file, CArchive::load, bufferSize);
    read(ar);
    // Bytes the archive buffered but read did not take go back to the file.
    ar.Flush();
    return bytes.size() - (size_t)file.GetPosition();
}

// "0A 1B 2C"; with between "" the bytes of one record stay together.
inline std::string HexDump(const Bytes& bytes, const char* between = " ")
{
    std::string hex;
    char two[3];
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        if (i)
            hex += between;
        snprintf(two, sizeof two, "%02X", bytes[i]);
        hex += two;
    }
    return hex;
}
