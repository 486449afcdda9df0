// Undoable formatting operations: character and paragraph styles,
// paragraph margins and indents, borders, shading and column layouts.
// Each copies, when it is made, the state of what its range touches;
// undo writes the copies back, redo applies the new value again.
#pragma once
#include "editing/CWOperationItem.h"
#include "model/flow_records.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "afxtempl.h"

// Character styles of from..to: one record per stretch of one style.
class CWOpSetFontStyle : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetFontStyle)
    CWOpSetFontStyle(GDoc* flow, long from, long to, GFontStyle* style);
    // The change gave the runs this reference; redo gives it again while
    // it still names the new style.
    void SetNewReference(Mint ref) { m_newRef = ref; }
    // Moves the recorded range by delta positions.
    void Shift(long delta);

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    GFontStyle m_new;
    CDWordArray m_starts;
    CDWordArray m_ends;
    CArray<GFontStyle, GFontStyle> m_old;
    // The style reference each stretch had: undo gives it back (a master's
    // stays a master's) while it still names the kept style.
    CArray<Mint, Mint> m_oldRefs;
    Mint m_newRef;
};

// Paragraph styles of the paragraphs of from..to.
class CWOpSetParaStyle : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetParaStyle)
    CWOpSetParaStyle(GDoc* flow, long from, long to, GParaStyle* style);
    void SetNewReference(Mint ref) { m_newRef = ref; }
    void Shift(long delta);

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    GParaStyle m_new;
    CDWordArray m_starts;
    CDWordArray m_ends;
    CArray<GParaStyle, GParaStyle> m_old;
    CArray<Mint, Mint> m_oldRefs;
    Mint m_newRef;
};

// One indent of the paragraphs of from..to: the left margin, the right
// margin or the first-line indent, each a kind of its own.
class CWOpSetParaMargin : public CWOperationItem
{
    DECLARE_DYNAMIC(CWOpSetParaMargin)
public:
    enum Which { kLeft, kRight, kFirstLine };

protected:
    CWOpSetParaMargin() {}
    CWOpSetParaMargin(GDoc* flow, long from, long to, long value, Which which);
    BOOL Undo();
    BOOL Redo();

private:
    void Apply(long from, long to, long value);

    Which m_which = kLeft;
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    LONG m_nNew = 0;
    CDWordArray m_old;   // one per paragraph
    // The style and reference each paragraph had, for giving them back.
    CArray<GParaStyle, GParaStyle> m_oldStyles;
    CArray<Mint, Mint> m_oldRefs;
};

class CWOpSetParaLM : public CWOpSetParaMargin
{
    DECLARE_OPERATION(CWOpSetParaLM)
    CWOpSetParaLM(GDoc* flow, long from, long to, long value) : CWOpSetParaMargin(flow, from, to, value, kLeft) {}
};

class CWOpSetParaRM : public CWOpSetParaMargin
{
    DECLARE_OPERATION(CWOpSetParaRM)
    CWOpSetParaRM(GDoc* flow, long from, long to, long value) : CWOpSetParaMargin(flow, from, to, value, kRight) {}
};

class CWOpSetParaIM : public CWOpSetParaMargin
{
    DECLARE_OPERATION(CWOpSetParaIM)
    CWOpSetParaIM(GDoc* flow, long from, long to, long value)
        : CWOpSetParaMargin(flow, from, to, value, kFirstLine)
    {
    }
};

// Paragraph borders of from..to. styles (left, right, top, bottom) may be
// null: the sides keep the styles they have.
class CWOpSetBorder : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetBorder)
    CWOpSetBorder(GDoc* flow, long from, long to, long sides, CBorderStyle* styles, int distance);
    void Shift(long delta);

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    // The end the change was made with; m_nTo covers at least one
    // character.
    LONG m_nChangeTo = 0;
    LONG m_nSides = 0;
    // All four side styles, in the order SetBorder takes them.
    CBorderStyle m_styles[4];
    LONG m_nDistance = 0;
    BOOL m_bHasStyle = FALSE;
    // The runs the paragraphs had, each once; a paragraph without one as a
    // run without sides.
    CArray<GBorder, GBorder> m_old;
    // Equal boxes elsewhere that already touched (a deletion can leave
    // them so): setting any border joins them, and undo parts them again.
    CArray<GBorder, GBorder> m_touching;
};

// Shading of from..to.
class CWOpSetShade : public CWOperationItem
{
    DECLARE_OPERATION(CWOpSetShade)
    CWOpSetShade(GDoc* flow, long from, long to, CShadeStyle style);
    void Shift(long delta);

    // The pattern of a record for a paragraph that had no shading.
    static const LONG kNoShade = -2;

private:
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
    LONG m_nChangeTo = 0;   // as for borders
    CShadeStyle m_new;
    CArray<GShade, GShade> m_old;   // one per paragraph
};

// Column layouts of from..to; the caller sets the columns after making it.
class CWOpFormatColumns : public CWOperationItem
{
    DECLARE_OPERATION(CWOpFormatColumns)
    CWOpFormatColumns(GDoc* flow, long from, long to);

private:
    CArray<GColumn, GColumn> m_old;
    GColumn m_new;
    LONG m_nFrom = 0;
    LONG m_nTo = 0;
};
