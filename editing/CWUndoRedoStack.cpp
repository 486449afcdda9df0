// The undo ring of documents and grouped steps.
#include "editing/CWUndoRedoStack.h"
#include "model/utilities.h"
#include "app/CWOptions.h"

CString UndoText;
CString RedoText;

LONG GetUndoSteps()
{
    return std::min(std::max(Options.UndoSteps, (LONG)0), kMostUndoSteps);
}

CWUndoRedoStack::CWUndoRedoStack(BOOL growing)
    : m_bGrowing(growing), m_state(kIdle), m_nCapacity(growing ? kFirstGrowingCapacity : GetUndoSteps()), m_nTop(-1), m_nUndoCount(0), m_nRedoCount(0)
{
    m_ops.SetSize(m_nCapacity);
    for (LONG i = 0; i < m_nCapacity; ++i)
        m_ops[i] = NULL;
}

CWUndoRedoStack::~CWUndoRedoStack()
{
    for (LONG i = 0; i < m_nCapacity; ++i)
        delete m_ops[i];
    m_ops.RemoveAll();
}

void CWUndoRedoStack::CorrectSize()
{
    if (m_bGrowing)
        return;
    const LONG wanted = GetUndoSteps();
    const LONG old = m_nCapacity;
    if (wanted == old)
        return;
    if (wanted > old)
    {
        // The empty slots go right after the newest entry, so the oldest
        // still follows them in ring order.
        m_ops.InsertAt((m_nTop + 1) % wanted, (CWOperationItem*)NULL, wanted - old);
    }
    else
    {
        // The oldest entries (and any redo entries) lie after top first,
        // then from slot 0 on.
        LONG k = old - wanted;
        LONG a = std::min(old - (m_nTop + 1), k);
        for (LONG i = 0; i < a; ++i)
            delete m_ops[m_nTop + 1 + i];
        if (a > 0)
            m_ops.RemoveAt(m_nTop + 1, a);
        LONG b = k - a;
        for (LONG i = 0; i < b; ++i)
            delete m_ops[i];
        if (b > 0)
            m_ops.RemoveAt(0, b);
        m_nTop -= b;
        m_ops.SetSize(wanted);
    }
    m_nCapacity = wanted;
    m_nUndoCount = std::min(m_nUndoCount, wanted);
    m_nRedoCount = 0;
}

BOOL CWUndoRedoStack::AddOperator(CWOperationItem* op)
{
    CorrectSize();
    if (m_state != kIdle || !op)
        return FALSE;
    if (m_bGrowing && m_nUndoCount == m_nCapacity)
    {
        // Full: room is made after the newest entry instead of dropping
        // the oldest, so a group keeps every step it recorded.
        LONG more = std::max(m_nCapacity, kFirstGrowingCapacity);
        m_ops.InsertAt(m_nTop + 1, (CWOperationItem*)NULL, more);
        m_nCapacity += more;
    }
    if (m_nCapacity == 0)
        return FALSE;
    LONG slot = (m_nTop + 1) % m_nCapacity;
    delete m_ops[slot];
    m_ops[slot] = op;
    m_nTop = slot;
    m_nUndoCount = std::min(m_nUndoCount + 1, m_nCapacity);
    m_nRedoCount = 0;
    return TRUE;
}

BOOL CWUndoRedoStack::RemoveLast()
{
    if (m_nTop < 0 || m_nTop >= m_nCapacity || !m_ops[m_nTop])
        return FALSE;
    delete m_ops[m_nTop];
    m_ops[m_nTop] = NULL;
    if (--m_nTop < 0)
        m_nTop += m_nCapacity;
    if (m_nUndoCount >= 1)
        --m_nUndoCount;
    return TRUE;
}

// A throwing action must not leave the stack refusing every later
// recording: the state is reset on every way out and the error passed on.
BOOL CWUndoRedoStack::Run(CWOperationItem* op, State state)
{
    m_state = state;
    BOOL result;
    try
    {
        result = state == kUndoing ? op->ActionUndo() : op->ActionRedo();
    }
    catch (...)
    {
        m_state = kIdle;
        throw;
    }
    m_state = kIdle;
    return result;
}

BOOL CWUndoRedoStack::Undo()
{
    if (!CanUndo())
        return FALSE;
    BOOL result = Run(m_ops[m_nTop], kUndoing);
    if (--m_nTop < 0)
        m_nTop += m_nCapacity;
    if (m_nUndoCount > 0)
        --m_nUndoCount;
    if (m_nRedoCount < m_nCapacity)
        ++m_nRedoCount;
    return result;
}

BOOL CWUndoRedoStack::Redo()
{
    if (!CanRedo())
        return FALSE;
    LONG next = m_nTop + 1;
    if (next >= m_nCapacity)
        next -= m_nCapacity;
    // The entry is run before top moves, so a throwing redo leaves it
    // where a retry finds it.
    BOOL result = Run(m_ops[next], kRedoing);
    m_nTop = next;
    if (m_nUndoCount < m_nCapacity)
        ++m_nUndoCount;
    if (m_nRedoCount >= 1)
        --m_nRedoCount;
    return result;
}

BOOL CWUndoRedoStack::CanUndo()
{
    if (m_nUndoCount == 0 || m_nTop < 0 || !m_ops[m_nTop])
    {
        UndoText.Empty();
        return FALSE;
    }
    UndoText = m_ops[m_nTop]->GetName();
    return TRUE;
}

BOOL CWUndoRedoStack::CanRedo()
{
    LONG next = m_nTop + 1;
    if (next >= m_nCapacity)
        next -= m_nCapacity;
    if (m_nRedoCount == 0 || !m_ops[next])
    {
        RedoText.Empty();
        return FALSE;
    }
    RedoText = m_ops[next]->GetName();
    return TRUE;
}

long CWUndoRedoStack::GetUndoLen()
{
    CorrectSize();
    return m_nUndoCount;
}

long CWUndoRedoStack::GetRedoLen()
{
    CorrectSize();
    return m_nRedoCount;
}

CString CWUndoRedoStack::GetUndoName(long i)
{
    long index = m_nTop - i;
    if (index < 0)
        index += m_nCapacity;
    CWOperationItem* op = GetSlot(index);
    return op ? op->GetName() : CString();
}

CString CWUndoRedoStack::GetRedoName(long i)
{
    long index = m_nTop + 1 + i;
    if (index >= m_nCapacity)
        index -= m_nCapacity;
    CWOperationItem* op = GetSlot(index);
    return op ? op->GetName() : CString();
}
