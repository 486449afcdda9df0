// CCmdTarget: the base of every class that receives commands. It carries
// the message map (a static table per class, chained to the base class's
// table), the command dispatch that walks it, and the wait cursor.
#pragma once
#include "afxobject.h"

class CCmdTarget;
class CCmdUI;

// A handler as the map stores it; the entry's signature code says which
// real type to cast it back to before the call.
typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;    // window message; WM_COMMAND for commands and notifications
    UINT nCode;       // control notification code, or CN_COMMAND / CN_UPDATE_COMMAND_UI
    UINT nID;         // first command id (0 for window messages)
    UINT nLastID;     // last command id of a range
    UINT_PTR nSig;    // signature code (for registered messages: the message variable)
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg answers instead of calling when asked "who handles this".
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Command codes beside the control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Handler signature codes.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    AfxSig_vv,       // void ()
    AfxSig_bv,       // BOOL ()
    AfxSig_vw,       // void (UINT)
    AfxSig_bw,       // BOOL (UINT): ON_COMMAND_EX, FALSE routes on
    AfxSig_cmdui,    // void (CCmdUI*)
    AfxSig_cmduiw,   // void (CCmdUI*, UINT)
    AfxSig_lwl,      // LRESULT (WPARAM, LPARAM)
    AfxSig_is,       // int (LPCREATESTRUCT)
    AfxSig_vwii,     // void (UINT, int, int)
    AfxSig_vwp,      // void (UINT, CPoint)
    AfxSig_bD,       // BOOL (CDC*)
    AfxSig_bWww,     // BOOL (CWnd*, UINT, UINT)
    AfxSig_iWww,     // int (CWnd*, UINT, UINT)
    AfxSig_vW,       // void (CWnd*)
    AfxSig_vPOS,     // void (WINDOWPOS*)
    AfxSig_vs,       // void (LPCSTR)
    AfxSig_hDWw,     // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_vbWW,     // void (BOOL, CWnd*, CWnd*)
    AfxSig_vwww,     // void (UINT, UINT, UINT)
    AfxSig_wp,       // UINT (CPoint)
    AfxSig_vwwW,     // void (UINT, UINT, CScrollBar*)
    AfxSig_vMwb,     // void (CMenu*, UINT, BOOL)
    AfxSig_vwWb,     // void (UINT, CWnd*, BOOL)
    AfxSig_vbw,      // void (BOOL, UINT)
    AfxSig_vwwh,     // void (UINT, UINT, HMENU)
    AfxSig_vh,       // void (HANDLE): WM_DROPFILES
    AfxSig_vmmi,     // void (MINMAXINFO*)
    AfxSig_vNMHDRpl, // void (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl,// void (UINT, NMHDR*, LRESULT*)
    AfxSig_vWp,      // void (CWnd*, CPoint): WM_CONTEXTMENU
    AfxSig_bvReflect // BOOL (): ON_CONTROL_REFLECT_EX
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const; \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Command entries. A command handler takes no argument; a range handler
// receives the id; an update handler receives the CCmdUI to set.
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, \
      (AFX_PMSG)(static_cast<void (CCmdTarget::*)()>(&ThisClass::memberFxn)) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_bw, \
      (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_vw, \
      (AFX_PMSG)(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn)) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_bw, \
      (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn)) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmdui, \
      (AFX_PMSG)(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn)) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmdui, \
      (AFX_PMSG)(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn)) },

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}
    virtual ~CCmdTarget() {}

    // Looks nID/nCode up in this object's map chain and calls the handler.
    // With pHandlerInfo, only reports the handler found. Derived classes
    // extend it to route on to other targets (view, document, frame, app).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Nested calls are counted; the arrow comes back when the count drops to 0.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Automation is not carried by this layer: the calls are accepted and
    // the dispatch and interface maps stay empty.
    void EnableAutomation() {}

    // The entry of this class chain for a window message, or null.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                    UINT nMsg, UINT nCode, UINT nID);

    // Calls one command-type entry (nSig one of vv, bw, vw, cmdui, ...).
    static BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                               void* pExtra, UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    friend class CWnd;
};

// Automation is not carried: dispatch and interface maps are accepted
// empty, so classes that declare them compile unchanged.
#define DECLARE_DISPATCH_MAP()
#define BEGIN_DISPATCH_MAP(theClass, baseClass)
#define END_DISPATCH_MAP()
#define DECLARE_INTERFACE_MAP()
#define BEGIN_INTERFACE_MAP(theClass, baseClass)
#define END_INTERFACE_MAP()

// Shows the hourglass for the lifetime of the object.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};
