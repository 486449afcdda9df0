// Undoable caret, selection and text operations: selecting, overtyping,
// inserting and deleting text. Recorded by the flow's editing interface.
#pragma once
#include "editing/CWOperationItem.h"
#include "model/flow_records.h"
#include "afxtempl.h"

// Moves the caret; nothing records it, it is kept for completeness.
class CWOpSetPos : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetPos)
    CWOpSetPos(GDoc* flow, long newPos, long oldPos);

private:
    LONG m_nNew = 0;
    LONG m_nOld = 0;
};

// A selection from..to made or collapsed: the two kinds below undo each
// other's change.
class CWOpSelection : public CWOperationItem
{
    DECLARE_DYNAMIC(CWOpSelection)
protected:
    CWOpSelection() {}
    CWOpSelection(GDoc* flow, long from, long to);
    // The caret to from with from..to selected, or with no selection.
    void SelectRange();
    void Collapse();

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
};

// A selection made.
class CWOpSelect : public CWOpSelection
{
    DECLARE_OPERATION(CWOpSelect)
    CWOpSelect(GDoc* flow, long from, long to) : CWOpSelection(flow, from, to) {}
};

// A selection collapsed to the caret.
class CWOpUnSelect : public CWOpSelection
{
    DECLARE_OPERATION(CWOpUnSelect)
    CWOpUnSelect(GDoc* flow, long from, long to) : CWOpSelection(flow, from, to) {}
};

// Overtyped characters at one position.
class CWOpReplaceText : public CWOperationItem
{
    DECLARE_OPERATION(CWOpReplaceText)
    CWOpReplaceText(GDoc* flow, long pos, CString* newText, CString* oldText);

private:
    LONG m_nPos = 0;
    CString m_new;
    CString m_old;
};

// A chunk of typed or pasted text.
class CWOpInsertText : public CWOperationItem
{
    DECLARE_OPERATION(CWOpInsertText)
    CWOpInsertText(GDoc* flow, long pos, const char* text);

private:
    LONG m_nPos = 0;
    CString m_text;
};

class CWOpSetFontStyle;
class CWOpSetParaStyle;
class CWOpSetBorder;
class CWOpSetShade;

// A deleted stretch of text with the character and paragraph formats, the
// borders, the shading and the column layouts it had, made before the
// deletion.
class CWOpDeleteText : public CWOperationItem
{
    DECLARE_OPERATION(CWOpDeleteText)
    // formatsFrom: kOwnRange keeps the formatting of from..to; kNoFormats
    // none; a position before from keeps that of formatsFrom..to, a
    // deletion's other stretches and fields included (the stretch undone
    // last, when all of them are back). Takes ownership of text.
    static const long kOwnRange = -1;
    static const long kNoFormats = -2;
    CWOpDeleteText(GDoc* flow, long from, long to, CString* text, long formatsFrom = kOwnRange);
    ~CWOpDeleteText() override;

    // Moves the recorded range by delta positions (fields before it that
    // undo does not put back).
    void Shift(long delta);

private:
    // Puts back the column layouts of the formats' range after the text
    // and its formats are in place again.
    void RestoreColumns();

    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    // Where the kept formatting begins; it ends at m_nTo.
    LONG m_nFormatsFrom = 0;
    CString m_text;
    // What the text's formatting was, kept by the formatting operations
    // themselves (owned; no new value): character styles, paragraph styles
    // (the paragraph after the range too, which the deletion joins),
    // borders and shading. Undo runs theirs in this order. Null when the
    // operation keeps no formatting.
    CWOpSetFontStyle* m_pFonts = nullptr;
    CWOpSetParaStyle* m_pParas = nullptr;
    CWOpSetBorder* m_pBorders = nullptr;
    CWOpSetShade* m_pShades = nullptr;
    // The column layouts that began inside the formats' range and the one
    // after them; undo begins each where it began unless a block begins
    // there, and re-columning joins what that makes equal.
    CArray<GColumn, const GColumn&> m_blocks;
    // A block began where the formats' range begins before the deletion
    // (the deletion may leave a layout from inside the range beginning
    // there).
    BOOL m_bBlockAtFrom = FALSE;
};

// What a deletion over fields left where it closed up: the record of the
// joined paragraph and the border and shading runs. Redo deletes stretch
// by stretch, and a stretch that begins after a field keeps the record
// and runs of its own paragraph, where the deletion in one go (from a
// paragraph start) kept those of the paragraph where it ended; redone
// last, this gives back what the deletion made. Undo has nothing to do:
// the stretches give everything back.
class CWOpJoinedParagraph : public CWOperationItem
{
    DECLARE_OPERATION(CWOpJoinedParagraph)
    // Takes what the flow holds at pos after the deletion.
    CWOpJoinedParagraph(GDoc* flow, long pos);

private:
    LONG m_nPos = 0;
    Mint m_style;
    CArray<GBorder, const GBorder&> m_borders;
    CArray<GShade, const GShade&> m_shades;
};

// "base - 'preview'": the first ten characters of text, control and
// high characters shown as blanks, "..." after ten.
CString NameWithPreview(const CString& base, const CString& text);
