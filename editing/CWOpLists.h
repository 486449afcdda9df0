// Undoable list operations: a list style applied to paragraphs (also the
// record of a deleted list number) and list items promoted or demoted.
// Recorded by ApplyListStyle, RemoveList, DeleteText, Promote and Demote.
#pragma once
#include "editing/CWOperationItem.h"
#include "model/GListField.h"
#include "model/GStyleTbl.h"
#include "afxtempl.h"

class CWOpSetFontStyle;

// A list style applied to the paragraphs of from..to: keeps the applied
// style's table entry, the arguments, and per paragraph a copy of its list
// field with the entry of the style that field used (null for a paragraph
// without one). Undo takes the fields the change made out and puts the kept
// ones back; redo applies the list again.
class CWOpSetListStyle : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetListStyle)
    CWOpSetListStyle(GDoc* flow, long from, long to, long style, int level, int* starts, int fromPrev, int change);
    ~CWOpSetListStyle() override;

    // The record of one list number about to be deleted at its position:
    // undo puts exactly that field back there and redo deletes it again.
    // withMark: the record puts back and deletes the number's mark (with
    // its format) too; else the mark goes and comes with a text record,
    // and undo finds it in place. restartsNext: the list field after it
    // continued its list, which removing a list start clears.
    static CWOpSetListStyle* ForDeletedNumber(GDoc* flow, long pos, GList* field, bool restartsNext,
                                              bool withMark);

private:
    struct Kept
    {
        GList field;
        GStyleItem<GListStyle> item;
    };
    // The index of a kept entry's style in the table, written back there.
    long RestoreEntry(const GStyleItem<GListStyle>& item);
    // A copy of kept standing at pos, inserted (or given to the mark that
    // stands there already) and renumbered.
    GList* PutBack(const Kept& kept, long pos, bool markInPlace = false);
    void UndoDeletedNumber();

    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    // Made for an empty selection: an item at the caret restyles its whole
    // run, and undo and redo do the same (a one-character selection does
    // not).
    BOOL m_bCaretOnly = FALSE;
    GStyleItem<GListStyle> m_item;
    LONG m_nLevel = 1;
    int m_nStarts[kListLevels] = {};
    LONG m_nFromPrev = 0;
    LONG m_nChange = 0;
    CPtrArray m_kept;                  // Kept*, owned, one per paragraph
    BOOL m_bDeletedNumber = FALSE;
    BOOL m_bRestartsNext = FALSE;
    BOOL m_bWithMark = FALSE;
    CWOpSetFontStyle* m_pFont = nullptr;   // the deleted number's format, owned
};

// List items of from..to one level up or down. Undo gives every list field
// of the range the level it had; the indents move back through their own
// records, grouped with this one.
class CWOpPromoteDemote : public CWOperationItem
{
    DECLARE_OPERATION(CWOpPromoteDemote)
    CWOpPromoteDemote(GDoc* flow, long from, long to, int promote);

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    LONG m_nCaret = 0;
    LONG m_bPromote = 1;
    CDWordArray m_levels;   // per list field of the range, in order
};

// The paragraphs promote and demote act on: from the paragraph of start to
// the paragraph of the character before end; an empty range at a
// paragraph's start is that paragraph alone. False when there is none.
bool PromoteParagraphs(const GDoc* flow, long start, long end, long& first, long& last);
// The indent step of promote and demote: 12.7 mm while the measurement
// unit is the inch, else 10 mm.
long ListIndentStep();
