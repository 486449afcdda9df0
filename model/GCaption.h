// GCaption, a numbered caption (kind 11) of an object field: a label and a
// number, numbered in order through the flow among the captions with the
// same label and format. Measured and drawn as text in its placeholder's
// style (model/field_drawing.cpp); the rest in model/caption_field.cpp.
#pragma once
#include "model/GField.h"
#include "model/GDoc.h"

const int kCaptionBefore = 0;    // in the object's paragraph, before it
const int kCaptionAfter = 1;     // in the object's paragraph, after it
const int kCaptionAbove = 2;     // a paragraph of its own above the object
const int kCaptionBelow = 3;     // a paragraph of its own below the object

// The caption settings of one object kind, which the caption dialogs set
// and a new caption of such an object takes over.
struct GCaptionSettings
{
    CString label;
    LONG format = 0;
    LONG position = 0;
    LONG generic = 0;            // the caption shows the label alone
    LONG autoCaption = 0;        // inserting such an object adds a caption
};

class GCaption : public GField
{
public:
    LONG m_nFormat;              // kMarkArabic...
    LONG m_nFixed;               // not 0: shown instead of a counted number
    LONG m_nNumber;
    CString m_strLabel;
    CString m_strText;
    GField* m_pObject;           // the captioned field; not owned
    LONG m_nPlacement;           // kCaptionBefore...
    LONG m_bGeneric;             // the text is the label alone
    LONG m_nObjectIndex;         // the stored object index until LinkObjects; -1 none
    // Where the constructor's placement inserted paragraph ends, in the
    // order inserted, so that the inserting operation can record them for
    // undo; not stored, not copied.
    long m_placedEnds[2] = {-1, -1};
    int m_nPlacedEnds = 0;

    // The label is string "Caption ". With an object, its kind's settings
    // replace format and placement and give the label (or make the caption
    // generic); the paragraph ends of the placement are inserted and the
    // caption's position set beside the object.
    GCaption(GDoc* owner, long position, int format, int placement, GField* object);
    // All members; the copy captions the same object.
    GCaption(const GCaption& other);
    ~GCaption() override {}

    // The base part (Part of every field) and the caption's own settings.
    GField& operator=(const GField& other) override;
    bool operator==(const GField& other) const override;
    GField* CreateCopy() override { return new GCaption(*this); }

    // After the common part: format, fixed number, number (i32), label,
    // text (CString), placement, generic (i32) and the object's index in
    // the flow's field list, -1 for none.
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    char* AsText(long) override { return m_strText.GetBuffer(128); }
    // Numbers the caption after the nearest earlier caption with the same
    // label and format; a generic caption of a cell takes the cell's name.
    void Update() override;

    // Turns the stored object indexes of flow's captions into fields once
    // the whole list is read: an index that names no object, picture or
    // cell field of the list reads as no object.
    static void LinkObjects(GDoc& flow);

    // The class-wide settings of embedded objects, pictures and cells.
    static GCaptionSettings OleSettings;
    static GCaptionSettings ImageSettings;
    static GCaptionSettings CellSettings;
    // The settings of an object field's kind, or null for other kinds.
    static GCaptionSettings* SettingsOfKind(BYTE kind);
    // The labels offered to the user (filled at start-up from the profile).
    static CStringArray Labels;
    // Automatic captions for the kinds whose setting asks for them.
    static LONG AutoCaption;

private:
    void Place(GField* object);
};
