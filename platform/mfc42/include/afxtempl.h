// The template collections: CArray, CList, CMap, the typed pointer wrappers
// over the non-template collections, and the HashKey/CompareElements
// helpers that CMap and CList::Find use.
//
// Elements are real C++ objects. Arrays keep [0, size) constructed and the
// rest of their block raw; moving elements is move-construct + destroy (or a
// plain memmove for trivially copyable types). Bad indexes or positions
// ASSERT in debug builds; in release builds the call is ignored, and an
// accessor that must return a reference returns a scratch element so that
// nothing outside the collection is ever written.
#pragma once
#include "afxbase.h"
#include "afxobject.h"
#include "afxstring.h"
#include "afxexcept.h"
#include <limits.h>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

/////////////////////////////////////////////////////////////////////////////
// Element helpers

// Equality used by CList::Find and CMap's key lookup. Specialise or overload
// it for element types whose == is not the wanted comparison.
template<class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Hash of a CMap key. As the class library documents it, the key shifted
// right by four positions: an integer or enum as its 32-bit value (so a
// map's buckets, and the order GetNextAssoc visits them in, are the class
// library's), a pointer as its address; wider integers fold their high
// half in first. String keys have their own specialisations below. Other
// key types need a specialisation, e.g.
// template<> UINT AFXAPI HashKey<const CMyKey&>(const CMyKey& key).
template<class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    typedef typename std::remove_cv<typename std::remove_reference<ARG_KEY>::type>::type K;
    unsigned long long v;
    if constexpr (std::is_pointer<K>::value) {
        v = (unsigned long long)(UINT_PTR)key >> 4;
        return (UINT)(v ^ (v >> 32));
    } else if constexpr (sizeof(K) > sizeof(DWORD)) {
        v = (unsigned long long)key;
        return (UINT)(v ^ (v >> 32)) >> 4;
    } else {
        return (UINT)(DWORD)key >> 4;
    }
}

inline UINT AfxHashString(LPCSTR key)
{
    UINT nHash = 0;
    if (key)
        while (*key)
            nHash = (nHash << 5) + nHash + (BYTE)*key++;
    return nHash;
}

template<> inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) { return AfxHashString(key); }
template<> inline UINT AFXAPI HashKey<LPSTR>(LPSTR key) { return AfxHashString(key); }
template<> inline UINT AFXAPI HashKey<const CString&>(const CString& key) { return AfxHashString(key); }
template<> inline UINT AFXAPI HashKey<CString>(CString key) { return AfxHashString(key); }

namespace AfxCollDetail {

// New elements start zero-filled and then constructed, so a type whose
// default constructor leaves members alone still starts out as zeros.
template<class T>
inline void ConstructDefault(T* p, int n)
{
    if (n <= 0)
        return;
    memset((void*)p, 0, sizeof(T) * (size_t)n);
    if constexpr (!std::is_trivially_default_constructible<T>::value)
        for (int i = 0; i < n; i++)
            ::new ((void*)(p + i)) T();
}

template<class T>
inline void Destroy(T* p, int n)
{
    if constexpr (!std::is_trivially_destructible<T>::value)
        for (int i = 0; i < n; i++)
            p[i].~T();
}

// Moves n constructed elements from src to raw slots at dst; src ends raw.
// The ranges may overlap: walking away from the overlap means every slot is
// vacated before it is filled.
template<class T>
inline void Relocate(T* dst, T* src, int n)
{
    if (n <= 0 || dst == src)
        return;
    if constexpr (std::is_trivially_copyable<T>::value) {
        memmove((void*)dst, (const void*)src, sizeof(T) * (size_t)n);
    } else if (dst < src) {
        for (int i = 0; i < n; i++) {
            ::new ((void*)(dst + i)) T(std::move(src[i]));
            src[i].~T();
        }
    } else {
        for (int i = n - 1; i >= 0; i--) {
            ::new ((void*)(dst + i)) T(std::move(src[i]));
            src[i].~T();
        }
    }
}

// Returned by reference-returning accessors given a bad index or position in
// release builds; reset on each use so earlier misuse does not show through.
template<class T>
inline T& Scratch()
{
    static T s_scratch;
    s_scratch = T();
    return s_scratch;
}

}  // namespace AfxCollDetail

/////////////////////////////////////////////////////////////////////////////
// CArray

template<class TYPE, class ARG_TYPE>
class CArray : public CObject
{
public:
    CArray() {}
    ~CArray();

    int GetSize() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy -1 keeps the current step; 0 lets the step follow the size.
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(int nIndex) const;
    void SetAt(int nIndex, ARG_TYPE newElement);
    TYPE& ElementAt(int nIndex);
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement);
    int Append(const CArray& src);   // answers the index of the first appended element
    void Copy(const CArray& src);

    const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    // An index at or past the end grows the array; a gap is value-initialised.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void InsertAt(int nStartIndex, CArray* pNewArray);
    void RemoveAt(int nIndex, int nCount = 1);

    // Serialize: the class library stores the elements; not needed by this program.

protected:
    TYPE* m_pData = nullptr;
    int m_nSize = 0;
    int m_nMaxSize = 0;
    int m_nGrowBy = 0;

private:
    void Reserve(int nMinSize);
    void Reallocate(int nNewMax);
    void FreeAll();
    bool OpenGap(int nIndex, int nCount);
    bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < m_nSize; }
};

template<class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::~CArray()
{
    FreeAll();
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeAll()
{
    if (m_pData) {
        AfxCollDetail::Destroy(m_pData, m_nSize);
        std::allocator<TYPE>().deallocate(m_pData, (size_t)m_nMaxSize);
    }
    m_pData = nullptr;
    m_nSize = m_nMaxSize = 0;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    TYPE* pNewData;
    try {
        pNewData = std::allocator<TYPE>().allocate((size_t)nNewMax);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();   // the class library's way to report it
    }
    if (m_pData) {
        AfxCollDetail::Relocate(pNewData, m_pData, m_nSize);
        std::allocator<TYPE>().deallocate(m_pData, (size_t)m_nMaxSize);
    }
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

// Makes room for nMinSize elements, growing in steps so that repeated Add
// calls do not reallocate each time.
template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reserve(int nMinSize)
{
    if (nMinSize <= m_nMaxSize)
        return;
    long long nNewMax;
    if (!m_pData) {
        nNewMax = nMinSize > m_nGrowBy ? nMinSize : m_nGrowBy;
    } else {
        int nGrow = m_nGrowBy;
        if (nGrow == 0) {
            nGrow = m_nSize / 8;
            nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
        }
        nNewMax = (long long)m_nMaxSize + nGrow;
        if (nNewMax < nMinSize)
            nNewMax = nMinSize;
    }
    if (nNewMax > INT_MAX)
        nNewMax = INT_MAX;
    Reallocate((int)nNewMax);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    ASSERT(nNewSize >= 0);
    if (nNewSize < 0)
        return;
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
        FreeAll();
        return;
    }
    Reserve(nNewSize);
    if (nNewSize > m_nSize)
        AfxCollDetail::ConstructDefault(m_pData + m_nSize, nNewSize - m_nSize);
    else
        AfxCollDetail::Destroy(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
        FreeAll();
    else
        Reallocate(m_nSize);
}

template<class TYPE, class ARG_TYPE>
const TYPE& CArray<TYPE, ARG_TYPE>::GetAt(int nIndex) const
{
    ASSERT(IsValidIndex(nIndex));
    if (!IsValidIndex(nIndex))
        return AfxCollDetail::Scratch<TYPE>();
    return m_pData[nIndex];
}

template<class TYPE, class ARG_TYPE>
TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(int nIndex)
{
    ASSERT(IsValidIndex(nIndex));
    if (!IsValidIndex(nIndex))
        return AfxCollDetail::Scratch<TYPE>();
    return m_pData[nIndex];
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAt(int nIndex, ARG_TYPE newElement)
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0 && nIndex < INT_MAX);
    if (nIndex < 0 || nIndex == INT_MAX)
        return;
    if (nIndex < m_nSize) {
        m_pData[nIndex] = newElement;
        return;
    }
    // newElement may refer into this array, which growing can move.
    TYPE value(newElement);
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(value);
}

template<class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template<class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    int nOldSize = m_nSize;
    int nCount = src.m_nSize;   // src may be this array
    ASSERT(nCount <= INT_MAX - nOldSize);
    if (nCount <= 0 || nCount > INT_MAX - nOldSize)
        return nOldSize;
    Reserve(nOldSize + nCount);
    for (int i = 0; i < nCount; i++) {
        ::new ((void*)(m_pData + m_nSize)) TYPE(src.m_pData[i]);
        m_nSize++;
    }
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    for (int i = 0; i < m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

// Leaves raw slots [nIndex, nIndex + nCount) inside the array's size, with
// the elements that were there moved up behind them; an index past the end
// first fills the gap up to it with value-initialised elements.
template<class TYPE, class ARG_TYPE>
bool CArray<TYPE, ARG_TYPE>::OpenGap(int nIndex, int nCount)
{
    int nBase = nIndex > m_nSize ? nIndex : m_nSize;
    ASSERT(nCount <= INT_MAX - nBase);
    if (nCount > INT_MAX - nBase)
        return false;
    Reserve(nBase + nCount);
    if (nIndex >= m_nSize) {
        AfxCollDetail::ConstructDefault(m_pData + m_nSize, nIndex - m_nSize);
    } else {
        AfxCollDetail::Relocate(m_pData + nIndex + nCount, m_pData + nIndex, m_nSize - nIndex);
    }
    m_nSize = nBase + nCount;
    return true;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE value(newElement);   // newElement may refer into this array
    if (!OpenGap(nIndex, nCount))
        return;
    TYPE* p = m_pData + nIndex;
    for (int i = 0; i < nCount - 1; i++)
        ::new ((void*)(p + i)) TYPE(value);
    ::new ((void*)(p + nCount - 1)) TYPE(std::move(value));
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray)
{
    ASSERT(pNewArray != nullptr && nStartIndex >= 0);
    if (!pNewArray || nStartIndex < 0 || pNewArray->m_nSize == 0)
        return;
    if (pNewArray == this) {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    int nCount = pNewArray->m_nSize;
    if (!OpenGap(nStartIndex, nCount))
        return;
    for (int i = 0; i < nCount; i++)
        ::new ((void*)(m_pData + nStartIndex + i)) TYPE(pNewArray->m_pData[i]);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    bool ok = nIndex >= 0 && nCount >= 0 && nIndex <= m_nSize && nCount <= m_nSize - nIndex;
    ASSERT(ok);
    if (!ok || nCount == 0)
        return;
    AfxCollDetail::Destroy(m_pData + nIndex, nCount);
    AfxCollDetail::Relocate(m_pData + nIndex, m_pData + nIndex + nCount, m_nSize - nIndex - nCount);
    m_nSize -= nCount;
}

/////////////////////////////////////////////////////////////////////////////
// CList: a doubly linked list; a POSITION is a node.

template<class TYPE, class ARG_TYPE>
class CList : public CObject
{
protected:
    struct CNode
    {
        explicit CNode(ARG_TYPE element) : data(element) {}
        CNode* pNext = nullptr;
        CNode* pPrev = nullptr;
        TYPE data;
    };

public:
    // Nodes are allocated one by one; the block size is accepted and unused.
    explicit CList(int nBlockSize = 10) { (void)nBlockSize; }
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NodeData(m_pNodeHead); }
    const TYPE& GetHead() const { return NodeData(m_pNodeHead); }
    TYPE& GetTail() { return NodeData(m_pNodeTail); }
    const TYPE& GetTail() const { return NodeData(m_pNodeTail); }

    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    // Answer the element at rPosition and move rPosition on (NULL past the end).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false); }

    TYPE& GetAt(POSITION position) { return NodeData((CNode*)position); }
    const TYPE& GetAt(POSITION position) const { return NodeData((CNode*)position); }
    void SetAt(POSITION pos, ARG_TYPE newElement);
    void RemoveAt(POSITION position);
    // A NULL position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(int nIndex) const;

    // Serialize: the class library stores the elements; not needed by this program.

protected:
    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    int m_nCount = 0;

private:
    TYPE& NodeData(CNode* pNode) const
    {
        ASSERT(pNode != nullptr);
        if (!pNode)
            return AfxCollDetail::Scratch<TYPE>();
        return pNode->data;
    }
    TYPE& Step(POSITION& rPosition, bool bForward) const
    {
        CNode* pNode = (CNode*)rPosition;
        ASSERT(pNode != nullptr);
        if (!pNode)
            return AfxCollDetail::Scratch<TYPE>();
        rPosition = (POSITION)(bForward ? pNode->pNext : pNode->pPrev);
        return pNode->data;
    }
    void Unlink(CNode* pNode);
};

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = position ? (CNode*)position : m_pNodeHead;
    CNode* pNew = new CNode(newElement);
    pNew->pNext = pOld;
    pNew->pPrev = pOld ? pOld->pPrev : nullptr;
    if (pNew->pPrev)
        pNew->pPrev->pNext = pNew;
    else
        m_pNodeHead = pNew;
    if (pOld)
        pOld->pPrev = pNew;
    else
        m_pNodeTail = pNew;
    m_nCount++;
    return (POSITION)pNew;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = position ? (CNode*)position : m_pNodeTail;
    CNode* pNew = new CNode(newElement);
    pNew->pPrev = pOld;
    pNew->pNext = pOld ? pOld->pNext : nullptr;
    if (pNew->pNext)
        pNew->pNext->pPrev = pNew;
    else
        m_pNodeTail = pNew;
    if (pOld)
        pOld->pNext = pNew;
    else
        m_pNodeHead = pNew;
    m_nCount++;
    return (POSITION)pNew;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode)
{
    if (pNode->pPrev)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
    m_nCount--;
    delete pNode;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != nullptr);
    if (!m_pNodeHead)
        return TYPE();
    TYPE value(std::move(m_pNodeHead->data));
    Unlink(m_pNodeHead);
    return value;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != nullptr);
    if (!m_pNodeTail)
        return TYPE();
    TYPE value(std::move(m_pNodeTail->data));
    Unlink(m_pNodeTail);
    return value;
}

// Both list forms count the source first, so adding a list to itself
// doubles it instead of running forever.
template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    ASSERT(pNewList != nullptr);
    if (!pNewList)
        return;
    CNode* pNode = pNewList->m_pNodeTail;
    for (int n = pNewList->m_nCount; n > 0; n--, pNode = pNode->pPrev)
        AddHead(pNode->data);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    ASSERT(pNewList != nullptr);
    if (!pNewList)
        return;
    CNode* pNode = pNewList->m_pNodeHead;
    for (int n = pNewList->m_nCount; n > 0; n--, pNode = pNode->pNext)
        AddTail(pNode->data);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode) {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::SetAt(POSITION pos, ARG_TYPE newElement)
{
    ASSERT(pos != NULL);
    if (pos)
        ((CNode*)pos)->data = newElement;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    ASSERT(position != NULL);
    if (position)
        Unlink((CNode*)position);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter ? ((CNode*)startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    return NULL;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

/////////////////////////////////////////////////////////////////////////////
// CMap: a chained hash table; the table has a fixed number of buckets,
// chosen with InitHashTable (17 unless told otherwise), as in the class
// library. Entries never move, so references from operator[] stay valid
// until their key is removed.

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc(ARG_KEY k, UINT nHash) : nHashValue(nHash), key(k), value() {}
        CAssoc* pNext = nullptr;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // Entries are allocated one by one; the block size is accepted and unused.
    explicit CMap(int nBlockSize = 10) { (void)nBlockSize; }
    ~CMap() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // Adds a value-initialised entry when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration order is the table's; adding or removing entries while
    // iterating invalidates the position.
    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // The class library wants this before any entry is added; existing
    // entries are rehashed here, so calling it later is harmless.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // Serialize: the class library stores the entries; not needed by this program.

protected:
    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    int m_nCount = 0;

    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;
    CAssoc* FirstAssocFrom(UINT nBucket) const;
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash) const
{
    nHash = HashKey<ARG_KEY>(key);
    if (!m_pHashTable)
        return nullptr;
    for (CAssoc* pAssoc = m_pHashTable[nHash % m_nHashTableSize]; pAssoc; pAssoc = pAssoc->pNext)
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstAssocFrom(UINT nBucket) const
{
    if (!m_pHashTable)
        return nullptr;
    for (; nBucket < m_nHashTableSize; nBucket++)
        if (m_pHashTable[nBucket])
            return m_pHashTable[nBucket];
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (!pAssoc)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    if (CAssoc* pAssoc = GetAssocAt(key, nHash))
        return pAssoc->value;
    if (!m_pHashTable)
        InitHashTable(m_nHashTableSize, TRUE);
    CAssoc* pAssoc = new CAssoc(key, nHash);
    CAssoc*& rBucket = m_pHashTable[nHash % m_nHashTableSize];
    pAssoc->pNext = rBucket;
    rBucket = pAssoc;
    m_nCount++;
    return pAssoc->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (!m_pHashTable)
        return FALSE;
    UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** ppLink = &m_pHashTable[nHash % m_nHashTableSize]; *ppLink; ppLink = &(*ppLink)->pNext) {
        CAssoc* pAssoc = *ppLink;
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
            *ppLink = pAssoc->pNext;
            delete pAssoc;
            m_nCount--;
            return TRUE;
        }
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable) {
        for (UINT i = 0; i < m_nHashTableSize; i++) {
            CAssoc* pAssoc = m_pHashTable[i];
            while (pAssoc) {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
    }
    m_pHashTable = nullptr;
    m_nCount = 0;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    CAssoc* pAssoc = (CAssoc*)rNextPosition;
    ASSERT(pAssoc != nullptr);
    if (pAssoc == (CAssoc*)BEFORE_START_POSITION)
        pAssoc = FirstAssocFrom(0);
    if (!pAssoc) {
        rNextPosition = NULL;
        return;
    }
    CAssoc* pNext = pAssoc->pNext;
    if (!pNext)
        pNext = FirstAssocFrom(pAssoc->nHashValue % m_nHashTableSize + 1);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = (POSITION)pNext;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    ASSERT(hashSize > 0);
    if (hashSize == 0)
        return;
    CAssoc** pNewTable = nullptr;
    if (bAllocNow || m_nCount > 0)
        pNewTable = new CAssoc*[hashSize]();
    if (m_pHashTable) {
        for (UINT i = 0; i < m_nHashTableSize; i++) {
            CAssoc* pAssoc = m_pHashTable[i];
            while (pAssoc) {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc*& rBucket = pNewTable[pAssoc->nHashValue % hashSize];
                pAssoc->pNext = rBucket;
                rBucket = pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
    }
    m_pHashTable = pNewTable;
    m_nHashTableSize = hashSize;
}

/////////////////////////////////////////////////////////////////////////////
// Typed pointer wrappers over CPtrArray/CObArray, CPtrList/CObList and the
// pointer maps: the same storage, with the element type in the signatures.

template<class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(int nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(int nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    int Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(int nStartIndex, CTypedPtrArray* pNewArray) { BASE_CLASS::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](int nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](int nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template<class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement) { return BASE_CLASS::InsertBefore(position, newElement); }
    POSITION InsertAfter(POSITION position, TYPE newElement) { return BASE_CLASS::InsertAfter(position, newElement); }
};

template<class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
        { return BASE_CLASS::Lookup(key, (typename BASE_CLASS::BASE_VALUE&)rValue); }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key)
        { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        BASE_CLASS::GetNextAssoc(rPosition, (typename BASE_CLASS::BASE_KEY&)rKey,
                                 (typename BASE_CLASS::BASE_VALUE&)rValue);
    }
};
