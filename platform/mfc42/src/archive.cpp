// CArchive: buffering, raw bytes, numbers, text lines and strings. Object
// graphs are in archive_objects.cpp.
#include "afx.h"
#include <limits.h>

namespace {

// Enough for the widest value (8 bytes) with room to spare; a smaller
// request gets this much.
const int kMinBufSize = 16;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_bForceFlat(TRUE), m_pFile(pFile), m_nMode(nMode), m_nObjectSchema((UINT)-1),
      m_pMaps(NULL)
{
    ASSERT(pFile != NULL);
    if (lpBuf && nBufSize >= kMinBufSize)
    {
        m_lpBufStart = (BYTE*)lpBuf;
        m_bUserBuf = TRUE;
    }
    else
    {
        if (nBufSize < kMinBufSize)
            nBufSize = kMinBufSize;
        m_lpBufStart = new BYTE[nBufSize];
        m_bUserBuf = FALSE;
    }
    m_nBufSize = (UINT)nBufSize;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    if (m_pFile && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (...)
        {
            // A destructor must not throw; the data is lost either way.
        }
    }
    Abort();
    FreeMaps();
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

[[noreturn]] void CArchive::ThrowArchive(int cause) const
{
    CString name;
    if (m_pFile)
        name = m_pFile->GetFilePath();
    AfxThrowArchiveException(cause, name);
}

void CArchive::CheckStoring() const
{
    if (!m_pFile)
        ThrowArchive(CArchiveException::generic);
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const
{
    if (!m_pFile)
        ThrowArchive(CArchiveException::generic);
    if (IsStoring())
        ThrowArchive(CArchiveException::writeOnly);
}

BOOL CArchive::IsBufferEmpty() const
{
    return IsLoading() ? m_lpBufCur == m_lpBufMax : m_lpBufCur == m_lpBufStart;
}

BOOL CArchive::FillBuffer(UINT nBytesNeeded)
{
    ASSERT(nBytesNeeded <= m_nBufSize);
    UINT unread = (UINT)(m_lpBufMax - m_lpBufCur);
    if (unread && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, unread);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + unread;
    while ((UINT)(m_lpBufMax - m_lpBufCur) < nBytesNeeded)
    {
        UINT room = m_nBufSize - (UINT)(m_lpBufMax - m_lpBufStart);
        UINT got = m_pFile->Read(m_lpBufMax, room);
        if (got == 0)
            return FALSE;
        m_lpBufMax += got;
    }
    return TRUE;
}

void CArchive::WriteBuffer()
{
    UINT n = (UINT)(m_lpBufCur - m_lpBufStart);
    // Emptied first: if the file throws, the bytes are not offered again by
    // the destructor's flush.
    m_lpBufCur = m_lpBufStart;
    if (n)
        m_pFile->Write(m_lpBufStart, n);
}

BYTE* CArchive::ReserveStore(UINT n)
{
    CheckStoring();
    if ((UINT)(m_lpBufMax - m_lpBufCur) < n)
        WriteBuffer();
    BYTE* p = m_lpBufCur;
    m_lpBufCur += n;
    return p;
}

const BYTE* CArchive::TakeLoad(UINT n)
{
    CheckLoading();
    if ((UINT)(m_lpBufMax - m_lpBufCur) < n && !FillBuffer(n))
    {
        m_lpBufCur = m_lpBufMax;    // the partial value is consumed
        ThrowArchive(CArchiveException::endOfFile);
    }
    const BYTE* p = m_lpBufCur;
    m_lpBufCur += n;
    return p;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* out = (BYTE*)lpBuf;
    UINT total = 0;
    while (total < nMax)
    {
        UINT avail = (UINT)(m_lpBufMax - m_lpBufCur);
        if (avail == 0)
        {
            UINT remaining = nMax - total;
            if (remaining >= m_nBufSize)
            {
                // Large reads go straight to the caller's memory.
                UINT got = m_pFile->Read(out + total, remaining);
                if (got == 0)
                    break;
                total += got;
                continue;
            }
            FillBuffer(remaining);
            avail = (UINT)(m_lpBufMax - m_lpBufCur);
            if (avail == 0)
                break;
        }
        UINT n = avail < nMax - total ? avail : nMax - total;
        memcpy(out + total, m_lpBufCur, n);
        m_lpBufCur += n;
        total += n;
    }
    return total;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* in = (const BYTE*)lpBuf;
    while (nMax > 0)
    {
        if (m_lpBufCur == m_lpBufMax)
            WriteBuffer();
        if (m_lpBufCur == m_lpBufStart && nMax >= m_nBufSize)
        {
            m_pFile->Write(in, nMax);
            return;
        }
        UINT room = (UINT)(m_lpBufMax - m_lpBufCur);
        UINT n = room < nMax ? room : nMax;
        memcpy(m_lpBufCur, in, n);
        m_lpBufCur += n;
        in += n;
        nMax -= n;
    }
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring())
    {
        WriteBuffer();
        return;
    }
    UINT unread = (UINT)(m_lpBufMax - m_lpBufCur);
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
    if (unread)
        m_pFile->Seek(-(LONG)unread, CFile::current);
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

// ----------------------------------------------------------------- text lines

BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    CString line;
    BOOL any = FALSE;
    BOOL sawNewline = FALSE;
    while (!sawNewline)
    {
        if (m_lpBufCur == m_lpBufMax && !FillBuffer(1))
            break;
        any = TRUE;
        const BYTE* start = m_lpBufCur;
        const BYTE* nl = (const BYTE*)memchr(start, '\n', m_lpBufMax - start);
        const BYTE* stop = nl ? nl : m_lpBufMax;
        if (stop > start)
            line += CString((LPCSTR)start, (int)(stop - start));
        m_lpBufCur = nl ? (BYTE*)nl + 1 : m_lpBufMax;
        sawNewline = nl != NULL;
    }
    if (sawNewline && line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
        line = line.Left(line.GetLength() - 1);
    rString = line;
    return any;
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    CheckLoading();
    if (!lpsz || nMax == 0)
        return NULL;
    UINT n = 0;
    BOOL any = FALSE;
    while (n + 1 < nMax)
    {
        if (m_lpBufCur == m_lpBufMax && !FillBuffer(1))
            break;
        any = TRUE;
        char c = (char)*m_lpBufCur;
        if (c == '\n')
        {
            ++m_lpBufCur;
            break;
        }
        if (c == '\r')
        {
            // Only a "\r\n" pair ends the line; peek at the next byte.
            if (m_lpBufMax - m_lpBufCur < 2)
                FillBuffer(2);
            if (m_lpBufMax - m_lpBufCur >= 2 && m_lpBufCur[1] == '\n')
            {
                m_lpBufCur += 2;
                break;
            }
        }
        lpsz[n++] = c;
        ++m_lpBufCur;
    }
    if (n > 0 && n + 1 == nMax)
    {
        // The buffer is full: a line end right here belongs to this line,
        // so a line of exactly nMax - 1 characters reads in one call.
        if (m_lpBufMax - m_lpBufCur < 2)
            FillBuffer(2);
        if (m_lpBufCur < m_lpBufMax && *m_lpBufCur == '\n')
            m_lpBufCur += 1;
        else if (m_lpBufMax - m_lpBufCur >= 2 && m_lpBufCur[0] == '\r' && m_lpBufCur[1] == '\n')
            m_lpBufCur += 2;
    }
    lpsz[n] = '\0';
    return any ? lpsz : NULL;
}

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz)
        Write(lpsz, (UINT)strlen(lpsz));
}

// -------------------------------------------------------------------- numbers

CArchive& CArchive::operator<<(BYTE by)
{
    *ReserveStore(1) = by;
    return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
    BYTE* p = ReserveStore(2);
    p[0] = (BYTE)w;
    p[1] = (BYTE)(w >> 8);
    return *this;
}

CArchive& CArchive::operator<<(short n)
{
    return *this << (WORD)n;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    BYTE* p = ReserveStore(4);
    for (int i = 0; i < 4; ++i)
        p[i] = (BYTE)(dw >> (8 * i));
    return *this;
}

CArchive& CArchive::operator<<(LONG l)
{
    return *this << (DWORD)l;
}

CArchive& CArchive::operator<<(float f)
{
    static_assert(sizeof(float) == 4, "float must be IEEE single");
    DWORD bits;
    memcpy(&bits, &f, 4);
    return *this << bits;
}

CArchive& CArchive::operator<<(double d)
{
    static_assert(sizeof(double) == 8, "double must be IEEE double");
    ULONGLONG bits;
    memcpy(&bits, &d, 8);
    BYTE* p = ReserveStore(8);
    for (int i = 0; i < 8; ++i)
        p[i] = (BYTE)(bits >> (8 * i));
    return *this;
}

CArchive& CArchive::operator<<(char ch)
{
    return *this << (BYTE)ch;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    by = *TakeLoad(1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    const BYTE* p = TakeLoad(2);
    w = (WORD)(p[0] | (p[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(short& n)
{
    WORD w;
    *this >> w;
    n = (short)w;
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    const BYTE* p = TakeLoad(4);
    dw = (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
    return *this;
}

CArchive& CArchive::operator>>(LONG& l)
{
    DWORD dw;
    *this >> dw;
    l = (LONG)dw;
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD bits;
    *this >> bits;
    memcpy(&f, &bits, 4);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    const BYTE* p = TakeLoad(8);
    ULONGLONG bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    memcpy(&d, &bits, 8);
    return *this;
}

CArchive& CArchive::operator>>(char& ch)
{
    BYTE by;
    *this >> by;
    ch = (char)by;
    return *this;
}

// -------------------------------------------------------------------- strings

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    DWORD n = (DWORD)string.GetLength();
    if (n < 0xFF)
        ar << (BYTE)n;
    else if (n < 0xFFFE)
        ar << (BYTE)0xFF << (WORD)n;
    else
        ar << (BYTE)0xFF << (WORD)0xFFFF << n;
    ar.Write((LPCSTR)string, n);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    DWORD n;
    BYTE by;
    ar >> by;
    if (by < 0xFF)
    {
        n = by;
    }
    else
    {
        WORD w;
        ar >> w;
        if (w == 0xFFFE)    // a wide-character string: never written here
            AfxThrowArchiveException(CArchiveException::badSchema, ar.GetFile()->GetFilePath());
        if (w < 0xFFFF)
        {
            n = w;
        }
        else
        {
            ar >> n;
        }
    }

    // Read in growing chunks rather than trusting the length with one big
    // allocation: a damaged length then ends at the end of the file.
    const DWORD kFirstChunk = 64 * 1024;
    CString result;
    DWORD have = 0;
    while (have < n)
    {
        DWORD chunk = have > kFirstChunk ? have : kFirstChunk;
        if (chunk > n - have)
            chunk = n - have;
        if ((ULONGLONG)have + chunk >= INT_MAX)
            AfxThrowArchiveException(CArchiveException::generic, ar.GetFile()->GetFilePath());
        char* p = result.GetBuffer((int)(have + chunk));
        UINT got = ar.Read(p + have, chunk);
        result.ReleaseBuffer((int)(have + got));
        if (got < chunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.GetFile()->GetFilePath());
        have += got;
    }
    string = result;
    return ar;
}
