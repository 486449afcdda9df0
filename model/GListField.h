// GList, the list-number field (kind 6) at the start of every list
// paragraph: it shows the paragraph's label (a bullet, or a number with its
// prefix and suffix, after the upper levels' labels where the level
// includes them) and keeps the current number of all nine levels, so that
// numbering continues from one list paragraph to the next. Numbering and
// the stored form in model/list_field.cpp, measuring and drawing in
// model/list_field_drawing.cpp.
#pragma once
#include "model/GField.h"
#include "model/number_formats.h"

class GLevelStyle;
class GFontStyle;

const int kListLevels = 9;

// One level's label as numbering made it: prefix, number text and suffix.
// Labels are never stored; the number text holds the longest text a
// numbering kind makes (the word forms run to 44 characters).
struct GListLabel
{
    static constexpr int kAffixSize = 16;
    char prefix[kAffixSize];
    char number[kNumberTextSize];
    char suffix[kAffixSize];
};

class GList : public GField
{
public:
    // The stored record after the common part: style, level, nine numbers
    // and the continues flag; 53 bytes with the kind and position.
    static constexpr int kStoredSize = 53;
    // AsText's result holds at most this many characters.
    static constexpr int kMostTextLength = 127;
    // The label a field shows when it names no list style.
    static constexpr unsigned char kNoStyleLabel = 183;

    LONG m_nStyle;                   // index in the document's list-style table
    LONG m_nLevel;                   // 1 to 9
    LONG m_nNumbers[kListLevels];    // current number of each level, level 1 first
    LONG m_bContinues;               // continues the numbering of the list before it
    GListLabel m_Labels[kListLevels];
    char m_Text[kMostTextLength + 1];   // the last text AsText made
    // Set on a field that is about to leave its flow: its Update does
    // nothing, so that removing it renumbers only the fields that stay.
    LONG m_bLeaving = 0;

    // Kind 6, no owner, position 0, style 0, level 1, every number 1.
    GList();
    // A level outside 1..9 becomes 1; the numbers are the style's start
    // values, or starts[i] where starts is given and starts[i] is not
    // negative; then Update.
    GList(GDoc* owner, long position, long style, int continues, int level);
    GList(GDoc* owner, long position, long style, int* starts, int continues, int level);
    GList(const GList& other);

    GList& operator=(const GList& other);
    // Writes a saved state back: from another list field everything,
    // from another kind only the common part.
    GField& operator=(const GField& other) override;
    // Same class, owner, kind, position and source, and the same style,
    // level, numbers and continues flag.
    bool operator==(const GField& other) const override;
    GField* CreateCopy() override { return new GList(*this); }

    // The common part, then style, level, numbers, continues. Reading
    // throws kArrayReadFault for a level outside 1..9 or a style at or
    // beyond the count of the document's list-style table (read before the
    // flows), then updates the field.
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    // The level style of the field's level (or of the given level) in its
    // list style; null when the field names no style of its document.
    const GLevelStyle* GetLevelStyle() const { return GetLevelStyle(m_nLevel); }
    const GLevelStyle* GetLevelStyle(int level) const;

    // Renumbers the field from the nearest earlier list field of its style,
    // then every later field of that style in turn (in a loop, so a long
    // list needs no deep calls), and remeasures each label, widening the
    // level's label box when the label outgrew it.
    void Update() override;
    // Makes the label of a level, after the upper levels' labels when the
    // level includes them.
    void NumGen(int level);
    // The labels of levels 1..9 in order, stopping before a piece that
    // would bring the text over 127 characters.
    char* AsText(long page) override;
    // The label box: gap + max(label width, box width - gap) wide.
    CSize GetSize(CDC* dc, int& ascent, long page) override;
    // Draws the label aligned in its box and leaves the pen after the box;
    // the shade flag is not used.
    void Draw(CDC* dc, int shade, long page, CWView* view) override;

    // The label measured up to a level (the upper levels' labels first);
    // ascent is the text style's.
    void LoopSize(CDC* dc, int level, const GFontStyle* text, int& ascent, CSize& size);
    static void Accumulate(CSize& size, int ascent, CSize extent, int pieceAscent);

    // Level changes; each updates the field and marks its placeholder for
    // redraw. SetLevel ignores levels outside 1..9, Promote does nothing
    // at level 1, Demote nothing at level 9 or when the next level has no
    // sequence.
    void SetLevel(int level);
    void Promote();
    void Demote();
    void ClearStyle();
    // Another list style for this field (whole 0) or for the run of list
    // fields it belongs to: from the nearest earlier start of the run (a
    // field of the old style with continues clear) up to the next start.
    void ChangeStyle(long style, int whole);
    // Style, level and continues flag from the list around the owner's
    // selection: a list field at the start of one of its paragraphs, else
    // the nearest one before it.
    void FindInitStyle();

private:
    void Init(long style, const int* starts, int continues, int level);
    // Numbers and labels of this field alone, then its label measured.
    void Renumber();
    void Measure();
    void LoopDraw(CDC* dc, int level, const GFontStyle* text, const GFontStyle* number);
    // The level's label style: the level's font laid over the text style.
    void NumberStyle(int level, const GFontStyle* text, GFontStyle& merged) const;
    void StartValues(int fromLevel);
    void Invalidate();
    // This field's place in its owner's field list: the index of the field
    // at its position, else of the first field after it (inList false).
    long PlaceInFields(bool& inList) const;
};
