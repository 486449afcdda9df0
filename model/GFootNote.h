// GFootNote, the footnote mark (kind 10): a numbered reference in the text
// with a note flow of its own, shown in a note frame stacked above the
// footer of the reference's page. The note flow begins with a note-side
// mark (style -1) that repeats the reference's text. Measured and drawn
// as text in its placeholder's style (model/field_drawing.cpp); the rest
// in model/footnote_field.cpp.
#pragma once
#include "model/GField.h"
#include "model/GDoc.h"

// The note-side mark's style.
const LONG kNoteSideMark = -1;
// The note frame's greatest height, and the room on the page under which
// the note frame may take that height all the same.
const LONG kNoteFrameMostHeight = 500;
const LONG kNoteFrameLeastRoom = 51;

class GFootNote : public GField
{
public:
    LONG m_nStyle;               // kMarkArabic...; kNoteSideMark for the note-side mark
    LONG m_bPerPage;             // numbers restart on every page
    LONG m_nFixed;               // not 0: shown instead of a counted number
    LONG m_nNumber;
    LONG m_nShownStyle;          // style and per-page setting of the mark text
    LONG m_nShownPerPage;
    CString m_strMark;
    GDoc* m_pNote;               // the note flow, held in the document's flow list
    LONG m_bStale;               // set when made or moved; Update clears it
    LONG m_nNoteIndex;           // the stored note flow index until LinkNotes; -1 none

    // With a style of 0 or more, makes the note flow and its frame for the
    // owner's document and puts the note-side mark at its start.
    GFootNote(GDoc* owner, long position, int style);
    // A copy for target with a new, empty note of its own (the caller
    // copies the note's text); without target, a copy with no note.
    GFootNote(GDoc* target, const GFootNote& other);
    // The note flow is not deleted here: the document's flow list holds it,
    // or the undo record that took the mark out (ReleaseDetachedNote).
    ~GFootNote() override {}

    // Style and per-page setting (with the base part); equal when those are.
    GField& operator=(const GField& other) override;
    bool operator==(const GField& other) const override;
    // A saved state sharing the note flow with this mark.
    GField* CreateCopy() override;

    // After the common part: style, mark, per page, fixed number, number
    // (i32 each but the mark, a CString) and the note flow's index in the
    // document's flow list, -1 for none.
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    char* AsText(long) override;
    // Numbers the mark, gives the note-side mark its text and sizes and
    // places the note frame.
    void Update() override;
    // Puts the note frame on page (negative: the reference's page) and
    // stacks it on the next note frame of that page or the footer; with
    // force, even when it stands there already; when anything changed, or
    // with cascade, every other reference is placed again.
    void OnChangePage(long page, int force, int cascade);

    // The note frame (the note flow's first frame), or null.
    CFrame* NoteFrame() const;
    // The page of the reference, from 0.
    long ReferencePage() const;

    // Turns the stored note indexes of flow's marks into the flows of its
    // document, once all flows are read; an index that names no flow of
    // the document past the headers and footers reads as no note.
    static void LinkNotes(GDoc& flow);

    // Undo records that keep a removed mark's note: while one keeps it,
    // removing the mark takes the note out of the document without freeing
    // it. A note out of the document that no record keeps is freed.
    static void KeepNote(GDoc* note);
    static void ReleaseNote(GDoc* note);
    static bool IsNoteKept(GDoc* note);
    // Called as a flow is freed: records that still name it let it be.
    static void ForgetNote(GDoc* note);
    // Frees note and its frame when they are out of the document's lists
    // and no record keeps them; answers whether it did.
    static bool ReleaseDetachedNote(GDoc* note);
    // Puts a note taken out back into its document's flow and frame lists
    // (nothing when it is there).
    static void AttachNote(GDoc* note);
    // Takes note and its frame out of the document's lists without freeing
    // them and renumbers the flows; answers whether the note was listed.
    static bool DetachNote(GDoc* note);

private:
    void CreateNote();
    void SizeNoteFrame(long page);
    GFootNote* NoteSideMark() const;
};
