// The non-template collections: arrays of bytes, words, double words, UINTs,
// pointers, objects and strings; lists of pointers, objects and strings; and
// the string/pointer/word maps. Each is its own class (with run-time class
// information) built on the matching template of afxtempl.h, so they share
// its semantics: see there.
//
// The class library makes several of these serial classes; they carry
// DECLARE_DYNAMIC here because their contents are not stored by this
// program, and a serial class that stored nothing would lose data silently.
#pragma once
#include "afxbase.h"
#include "afxobject.h"
#include "afxstring.h"
#include "afxtempl.h"

/////////////////////////////////////////////////////////////////////////////
// Arrays

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_DYNAMIC(CByteArray)
    // Serialize: not implemented; these arrays are not stored by this program.
};

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)
    // Serialize: not implemented; these arrays are not stored by this program.
};

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
    // Serialize: not implemented; these arrays are not stored by this program.
};

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

// Holds pointers only: the objects are neither owned nor deleted.
class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
    // Serialize: not implemented; these arrays are not stored by this program.
};

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
    // Serialize: not implemented; these arrays are not stored by this program.
};

/////////////////////////////////////////////////////////////////////////////
// Lists

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

// Holds pointers only: the objects are neither owned nor deleted.
class CObList : public CList<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
    // Serialize: not implemented; these lists are not stored by this program.
};

// Find compares string contents.
class CStringList : public CList<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
    // Serialize: not implemented; these lists are not stored by this program.
};

/////////////////////////////////////////////////////////////////////////////
// Maps. String keys are case-sensitive and compared by contents.

class CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap<CString, LPCSTR, void*, void*>(nBlockSize) {}
};

class CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10) : CMap<CString, LPCSTR, CObject*, CObject*>(nBlockSize) {}
    // Serialize: not implemented; these maps are not stored by this program.
};

class CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10) : CMap<CString, LPCSTR, CString, LPCSTR>(nBlockSize) {}
    // Serialize: not implemented; these maps are not stored by this program.
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CMap<void*, void*, void*, void*>(nBlockSize) {}
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : CMap<void*, void*, WORD, WORD>(nBlockSize) {}
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CMap<WORD, WORD, void*, void*>(nBlockSize) {}
};

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapWordToOb)
public:
    explicit CMapWordToOb(int nBlockSize = 10) : CMap<WORD, WORD, CObject*, CObject*>(nBlockSize) {}
    // Serialize: not implemented; these maps are not stored by this program.
};
