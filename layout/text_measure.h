// The layout context, the one information context on which every row is
// measured, and the justification state that justified drawing hands to
// measuring; shared by row breaking, drawing, views and mail merge.
#pragma once
#include "afxwin.h"
#include "model/forward.h"

// MM_LOMETRIC, so that every x, width and height is in 0.1 mm: the default
// printer's context, or the display's without one. Made on the first call
// and kept for the whole run, also when the default printer changes.
CDC* GetCalcDC();

// Pending justification of a justified row: from the position
// _justPosAfter on, _justBreak units are spread over _justSpaces blanks.
// At rest they are -1, 0 and 1.
extern long _justPosAfter;
extern int _justBreak;
extern int _justSpaces;
// The width the pending justification adds to the blank at pos: the
// break extra spread over the blanks from _justPosAfter on, the first
// ones taking one unit more while a remainder is left, as GDI spreads it.
// Measuring adds it itself: not every GDI applies the context's
// justification to text extents, and drawing places blanks the same way.
long JustifiedBlankExtra(const GDoc& flow, long pos);

// Alignment offset of the row text that CalcTextSizeForView measured last
// (0 for left-aligned and justified rows).
extern long CalcSizeToMove;

// The style used where a flow has no style for a position: a flow outside
// a document, or a reference to a style the tables lack.
const GFontStyle& FallbackFontStyle();
const GParaStyle& FallbackParaStyle();
// The style of a paragraph of the flow, or the fallback.
const GParaStyle& ParaStyleOf(const GDoc& flow, long para);

// Keeps a font selected on a context while many stretches are measured:
// selecting a font makes GDI look it up again each time, which costs more
// than measuring a row. Selects only when the context holds another font,
// and puts back the context's own font when the scope ends. The fonts it
// selects must outlive the scope.
class CMeasureFontScope
{
public:
    explicit CMeasureFontScope(CDC* dc);
    ~CMeasureFontScope();
    void Use(CFont* font);

private:
    CDC* m_dc;
    HGDIOBJ m_current;
    CFont* m_restore = nullptr;
    bool m_changed = false;

    CMeasureFontScope(const CMeasureFontScope&) = delete;
    CMeasureFontScope& operator=(const CMeasureFontScope&) = delete;
};

// Holds the font of the character at pos on dc for the scope's life.
void UseFontAt(CMeasureFontScope& scope, const GDoc& flow, long pos);

// The height (and ascent) that GDoc::CalcTextSizeSimple gives any stretch
// of plain text (no tab, field or end) that lies in the one run at pos:
// the run's font alone decides it, so row breaking needs no measure.
int PlainRunHeight(const GDoc& flow, long pos, CDC* dc, int& ascent);

// The height (and ascent) that GDoc::CalcTextSizeSimple gives the plain
// text [from, to) (no tab, field or end; from < to) of a row free of
// frames: the runs' fonts alone decide it, with no measure.
int PlainStretchHeight(const GDoc& flow, long from, long to, int& ascent);
