// CString: single-byte text with the class library's members. Owns one
// zero-terminated buffer; copies are deep, so no sharing rules to track.
#pragma once
#include "afxbase.h"

class CArchive;

class CString
{
public:
    CString();
    CString(const CString& s);
    CString(LPCSTR psz);               // null gives an empty string
    CString(LPCSTR pch, int nLength);  // embedded zeros are kept
    CString(char ch, int nRepeat = 1);
    ~CString();

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_pchData; }

    const CString& operator=(const CString& s);
    const CString& operator=(LPCSTR psz);
    const CString& operator=(char ch);
    const CString& operator+=(const CString& s);
    const CString& operator+=(LPCSTR psz);
    const CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char ch);
    friend CString operator+(char ch, const CString& b);

    int Compare(LPCSTR psz) const;          // strcmp
    int CompareNoCase(LPCSTR psz) const;    // case-insensitive, ASCII and Latin-1 via CharUpper rules
    int Collate(LPCSTR psz) const;          // locale collation (lstrcmpA)
    int CollateNoCase(LPCSTR psz) const;    // lstrcmpiA

    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);
    void TrimLeft();                 // white space
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR pszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR pszTargets);

    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR pszSub) const;
    int Find(LPCSTR pszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    void AFX_CDECL Format(LPCSTR pszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCSTR pszFormat, va_list args);

    // Reads a string resource from AfxGetResourceHandle(); FALSE if absent.
    BOOL LoadString(UINT nID);

    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);   // -1: up to the first zero
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPSTR LockBuffer() { return m_pchData; }
    void UnlockBuffer() {}

    friend CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
    friend CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

private:
    void Init();
    void AllocCopy(LPCSTR pch, int nLength);
    void AppendBytes(LPCSTR pch, int nLength);
    int InsertBytes(int nIndex, LPCSTR pch, int nCount);
    void Reserve(int nCapacity);

    char* m_pchData;
    int m_nLength;
    int m_nCapacity;    // bytes usable for characters, not counting the terminator
};

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

// Extracts the nSubString-th field of a string whose fields are separated
// by chSep; FALSE when there are fewer fields.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep = '\n');
