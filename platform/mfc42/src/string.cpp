// CString: one owned, zero-terminated byte buffer per object. Lengths are
// tracked explicitly so text built with CString(pch, n) may hold zeros; the
// searching members work on the tracked length, not on strlen.
#include "afx.h"
#include "afxapp.h"   // AfxGetResourceHandle
#include <ctype.h>
#include <stdio.h>
#include <stdint.h>
#include <string.h>

namespace {

inline int SafeLength(LPCSTR psz)
{
    return psz ? (int)strlen(psz) : 0;
}

// A pointer value below 64K is a resource id passed through an LPCSTR
// (MAKEINTRESOURCE); no real string lives there.
inline bool IsResourceId(LPCSTR psz)
{
    return psz && ((uintptr_t)psz >> 16) == 0;
}

inline bool InSet(LPCSTR pszSet, char ch)
{
    return ch != 0 && pszSet && strchr(pszSet, ch) != nullptr;
}

// Clamp [nFirst, nFirst + nCount) to [0, nLength); wide arithmetic so huge
// counts cannot overflow.
inline void ClampRange(int nLength, int& nFirst, int& nCount)
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if ((long long)nFirst + nCount > nLength)
        nCount = nLength - nFirst;
}

}  // namespace

// ---------------------------------------------------------------------------
// Storage

void CString::Reserve(int nCapacity)
{
    if (nCapacity <= m_nCapacity)
        return;
    // Copy the whole old buffer, not just the text: a caller between
    // GetBuffer and ReleaseBuffer may have written past the length. The new
    // tail is zeroed so ReleaseBuffer(-1) always finds a terminator.
    char* pNew = new char[(size_t)nCapacity + 1];
    memcpy(pNew, m_pchData, (size_t)m_nCapacity + 1);
    memset(pNew + m_nCapacity + 1, 0, (size_t)(nCapacity - m_nCapacity));
    delete[] m_pchData;
    m_pchData = pNew;
    m_nCapacity = nCapacity;
}

// Replaces the text with nLength bytes at pch. pch may point into this
// string's own buffer (s = s.Mid(...) style aliasing via LPCSTR).
void CString::AllocCopy(LPCSTR pch, int nLength)
{
    if (nLength < 0 || !pch)
        nLength = 0;
    if (nLength <= m_nCapacity)
    {
        if (nLength)
            memmove(m_pchData, pch, nLength);
    }
    else
    {
        char* pNew = new char[(size_t)nLength + 1];
        memcpy(pNew, pch, nLength);
        delete[] m_pchData;
        m_pchData = pNew;
        m_nCapacity = nLength;
    }
    m_nLength = nLength;
    m_pchData[nLength] = 0;
}

// Appends nLength bytes; the source may alias this buffer, so the old buffer
// is freed only after the copy.
void CString::AppendBytes(LPCSTR pch, int nLength)
{
    if (nLength <= 0 || !pch)
        return;
    int nNew = m_nLength + nLength;
    if (nNew > m_nCapacity)
    {
        // Grow geometrically so repeated += stays linear.
        long long nGrow = (long long)m_nCapacity + m_nCapacity / 2;
        int nCap = nGrow > nNew && nGrow < 0x7fffffff ? (int)nGrow : nNew;
        char* pNew = new char[(size_t)nCap + 1];
        memcpy(pNew, m_pchData, m_nLength);
        memcpy(pNew + m_nLength, pch, nLength);
        memset(pNew + nNew, 0, (size_t)nCap + 1 - nNew);
        delete[] m_pchData;
        m_pchData = pNew;
        m_nCapacity = nCap;
    }
    else
    {
        memmove(m_pchData + m_nLength, pch, nLength);
    }
    m_nLength = nNew;
    m_pchData[nNew] = 0;
}

void CString::Init()
{
    m_pchData = new char[1];
    m_pchData[0] = 0;
    m_nLength = 0;
    m_nCapacity = 0;
}

// ---------------------------------------------------------------------------
// Construction

CString::CString()
{
    Init();
}

CString::CString(const CString& s)
{
    Init();
    AllocCopy(s.m_pchData, s.m_nLength);
}

CString::CString(LPCSTR psz)
{
    Init();
    if (IsResourceId(psz))
        LoadString(LOWORD((uintptr_t)psz));
    else
        AllocCopy(psz, SafeLength(psz));
}

CString::CString(LPCSTR pch, int nLength)
{
    Init();
    AllocCopy(pch, nLength);
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        Reserve(nRepeat);
        memset(m_pchData, ch, nRepeat);
        m_nLength = nRepeat;
        m_pchData[nRepeat] = 0;
    }
}

CString::~CString()
{
    delete[] m_pchData;
}

void CString::Empty()
{
    // Releases the memory too, as the class library's Empty does.
    delete[] m_pchData;
    Init();
}

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nLength);
    if (nIndex < 0 || nIndex >= m_nLength)
        return 0;
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < m_nLength);
    if (nIndex < 0 || nIndex >= m_nLength)
        return;
    m_pchData[nIndex] = ch;
}

// ---------------------------------------------------------------------------
// Assignment and concatenation

const CString& CString::operator=(const CString& s)
{
    if (&s != this)
        AllocCopy(s.m_pchData, s.m_nLength);
    return *this;
}

const CString& CString::operator=(LPCSTR psz)
{
    AllocCopy(psz, SafeLength(psz));
    return *this;
}

const CString& CString::operator=(char ch)
{
    AllocCopy(&ch, 1);
    return *this;
}

const CString& CString::operator+=(const CString& s)
{
    AppendBytes(s.m_pchData, s.m_nLength);
    return *this;
}

const CString& CString::operator+=(LPCSTR psz)
{
    AppendBytes(psz, SafeLength(psz));
    return *this;
}

const CString& CString::operator+=(char ch)
{
    AppendBytes(&ch, 1);
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString r;
    r.Reserve(a.m_nLength + b.m_nLength);
    r.AppendBytes(a.m_pchData, a.m_nLength);
    r.AppendBytes(b.m_pchData, b.m_nLength);
    return r;
}

CString operator+(const CString& a, LPCSTR b)
{
    int nB = SafeLength(b);
    CString r;
    r.Reserve(a.m_nLength + nB);
    r.AppendBytes(a.m_pchData, a.m_nLength);
    r.AppendBytes(b, nB);
    return r;
}

CString operator+(LPCSTR a, const CString& b)
{
    int nA = SafeLength(a);
    CString r;
    r.Reserve(nA + b.m_nLength);
    r.AppendBytes(a, nA);
    r.AppendBytes(b.m_pchData, b.m_nLength);
    return r;
}

CString operator+(const CString& a, char ch)
{
    CString r;
    r.Reserve(a.m_nLength + 1);
    r.AppendBytes(a.m_pchData, a.m_nLength);
    r.AppendBytes(&ch, 1);
    return r;
}

CString operator+(char ch, const CString& b)
{
    CString r;
    r.Reserve(1 + b.m_nLength);
    r.AppendBytes(&ch, 1);
    r.AppendBytes(b.m_pchData, b.m_nLength);
    return r;
}

// ---------------------------------------------------------------------------
// Comparison

int CString::Compare(LPCSTR psz) const
{
    return strcmp(m_pchData, psz ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const
{
    // Upper-case copies of both, then an unsigned byte compare (strcmp
    // compares as unsigned char), so Latin-1 letters fold by the ANSI code
    // page's rules and order consistently.
    CString a(*this);
    CString b(psz);
    a.MakeUpper();
    b.MakeUpper();
    return strcmp(a.m_pchData, b.m_pchData);
}

int CString::Collate(LPCSTR psz) const
{
    return ::lstrcmpA(m_pchData, psz ? psz : "");
}

int CString::CollateNoCase(LPCSTR psz) const
{
    return ::lstrcmpiA(m_pchData, psz ? psz : "");
}

// ---------------------------------------------------------------------------
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    ClampRange(m_nLength, nFirst, nCount);
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, m_nLength);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength)
        nCount = m_nLength;
    return CString(m_pchData + m_nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    int n = 0;
    while (n < m_nLength && InSet(pszCharSet, m_pchData[n]))
        ++n;
    return Left(n);
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    int n = 0;
    while (n < m_nLength && !InSet(pszCharSet, m_pchData[n]))
        ++n;
    return Left(n);
}

// ---------------------------------------------------------------------------
// Modification

void CString::MakeUpper()
{
    if (m_nLength)
        ::CharUpperBuffA(m_pchData, (DWORD)m_nLength);
}

void CString::MakeLower()
{
    if (m_nLength)
        ::CharLowerBuffA(m_pchData, (DWORD)m_nLength);
}

void CString::MakeReverse()
{
    for (int i = 0, j = m_nLength - 1; i < j; ++i, --j)
    {
        char t = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = t;
    }
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0; i < m_nLength; ++i)
    {
        if (m_pchData[i] == chOld)
        {
            m_pchData[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = SafeLength(pszOld);
    if (nOld == 0)
        return 0;
    int nNew = SafeLength(pszNew);

    // Left to right, non-overlapping; built into a new string because the
    // replacement may point into this one.
    CString result;
    int nCount = 0;
    int nPos = 0;
    for (;;)
    {
        int nHit = Find(pszOld, nPos);
        if (nHit < 0)
            break;
        result.AppendBytes(m_pchData + nPos, nHit - nPos);
        result.AppendBytes(pszNew, nNew);
        nPos = nHit + nOld;
        ++nCount;
    }
    if (nCount)
    {
        result.AppendBytes(m_pchData + nPos, m_nLength - nPos);
        *this = result;
    }
    return nCount;
}

int CString::Remove(char ch)
{
    int nDest = 0;
    for (int i = 0; i < m_nLength; ++i)
    {
        if (m_pchData[i] != ch)
            m_pchData[nDest++] = m_pchData[i];
    }
    int nRemoved = m_nLength - nDest;
    m_nLength = nDest;
    m_pchData[nDest] = 0;
    return nRemoved;
}

int CString::Insert(int nIndex, char ch)
{
    return InsertBytes(nIndex, &ch, 1);
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    return InsertBytes(nIndex, psz, SafeLength(psz));
}

// Shared by both Insert forms; counts bytes so a zero char is inserted too.
int CString::InsertBytes(int nIndex, LPCSTR pch, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > m_nLength)
        nIndex = m_nLength;
    if (nCount <= 0 || !pch)
        return m_nLength;
    CString result;
    result.Reserve(m_nLength + nCount);
    result.AppendBytes(m_pchData, nIndex);
    result.AppendBytes(pch, nCount);
    result.AppendBytes(m_pchData + nIndex, m_nLength - nIndex);
    *this = result;
    return m_nLength;
}

int CString::Delete(int nIndex, int nCount)
{
    ClampRange(m_nLength, nIndex, nCount);
    if (nCount > 0)
    {
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, m_nLength - nIndex - nCount);
        m_nLength -= nCount;
        m_pchData[m_nLength] = 0;
    }
    return m_nLength;
}

void CString::TrimLeft()
{
    int n = 0;
    while (n < m_nLength && isspace((unsigned char)m_pchData[n]))
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(char chTarget)
{
    int n = 0;
    while (n < m_nLength && m_pchData[n] == chTarget)
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(LPCSTR pszTargets)
{
    int n = 0;
    while (n < m_nLength && InSet(pszTargets, m_pchData[n]))
        ++n;
    Delete(0, n);
}

void CString::TrimRight()
{
    int n = m_nLength;
    while (n > 0 && isspace((unsigned char)m_pchData[n - 1]))
        --n;
    m_nLength = n;
    m_pchData[n] = 0;
}

void CString::TrimRight(char chTarget)
{
    int n = m_nLength;
    while (n > 0 && m_pchData[n - 1] == chTarget)
        --n;
    m_nLength = n;
    m_pchData[n] = 0;
}

void CString::TrimRight(LPCSTR pszTargets)
{
    int n = m_nLength;
    while (n > 0 && InSet(pszTargets, m_pchData[n - 1]))
        --n;
    m_nLength = n;
    m_pchData[n] = 0;
}

// ---------------------------------------------------------------------------
// Searching

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= m_nLength)
        return -1;
    const void* p = memchr(m_pchData + nStart, ch, m_nLength - nStart);
    return p ? (int)((const char*)p - m_pchData) : -1;
}

int CString::Find(LPCSTR pszSub) const
{
    return Find(pszSub, 0);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart > m_nLength)
        return -1;
    int nSub = SafeLength(pszSub);
    if (nSub == 0)
        return nStart;
    for (int i = nStart; i + nSub <= m_nLength; ++i)
    {
        const void* p = memchr(m_pchData + i, pszSub[0], m_nLength - i - nSub + 1);
        if (!p)
            break;
        i = (int)((const char*)p - m_pchData);
        if (memcmp(m_pchData + i, pszSub, nSub) == 0)
            return i;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = m_nLength - 1; i >= 0; --i)
    {
        if (m_pchData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    for (int i = 0; i < m_nLength; ++i)
    {
        if (InSet(pszCharSet, m_pchData[i]))
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Formatting and resources

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    if (!pszFormat)
    {
        Empty();
        return;
    }
    // Try the current buffer first; vsnprintf reports the full length, so at
    // most one retry with an exact size is needed.
    char stackBuf[512];
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(stackBuf, sizeof(stackBuf), pszFormat, copy);
    va_end(copy);
    if (n < 0)
    {
        Empty();
        return;
    }
    if (n < (int)sizeof(stackBuf))
    {
        AllocCopy(stackBuf, n);
        return;
    }
    char* big = new char[(size_t)n + 1];
    va_copy(copy, args);
    vsnprintf(big, (size_t)n + 1, pszFormat, copy);
    va_end(copy);
    AllocCopy(big, n);
    delete[] big;
}

void AFX_CDECL CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString format;
    VERIFY(format.LoadString(nFormatID));
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    // LoadStringA truncates silently; a result filling the whole buffer may
    // have been cut, so retry with a larger one.
    for (int nSize = 256;; nSize *= 2)
    {
        char* pBuf = GetBuffer(nSize - 1);
        int n = ::LoadStringA(hInst, nID, pBuf, nSize);
        if (n <= 0)
        {
            Empty();
            return FALSE;
        }
        if (n < nSize - 1 || nSize >= (1 << 20))
        {
            ReleaseBuffer(n);
            return TRUE;
        }
    }
}

// ---------------------------------------------------------------------------
// Direct buffer access

LPSTR CString::GetBuffer(int nMinBufLength)
{
    Reserve(nMinBufLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_pchData, (size_t)m_nCapacity);
    if (nNewLength > m_nCapacity)
        nNewLength = m_nCapacity;
    m_nLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    Reserve(nNewLength);
    m_nLength = nNewLength;
    m_pchData[nNewLength] = 0;
    return m_pchData;
}

void CString::FreeExtra()
{
    if (m_nCapacity > m_nLength)
    {
        char* pNew = new char[(size_t)m_nLength + 1];
        memcpy(pNew, m_pchData, (size_t)m_nLength + 1);
        delete[] m_pchData;
        m_pchData = pNew;
        m_nCapacity = m_nLength;
    }
}

// ---------------------------------------------------------------------------

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    if (!lpszFullString || iSubString < 0)
    {
        rString.Empty();
        return FALSE;
    }
    LPCSTR p = lpszFullString;
    for (int i = 0; i < iSubString; ++i)
    {
        p = strchr(p, chSep);
        if (!p || chSep == 0)
        {
            rString.Empty();
            return FALSE;
        }
        ++p;
    }
    LPCSTR pEnd = chSep ? strchr(p, chSep) : nullptr;
    int n = pEnd ? (int)(pEnd - p) : (int)strlen(p);
    rString = CString(p, n);
    return TRUE;
}
