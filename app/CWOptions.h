// The global settings record Options: the default font of new documents,
// the measurement unit, undo capacity, spelling, zoom, display colours, page
// margins and editing switches. Loaded from the registry once at start-up,
// read directly by every subsystem, saved when the options sheet closes.
#pragma once
#include "afxwin.h"

class CEdit;

class CWOptions
{
public:
    // Values of Units.
    enum { kUnitInch, kUnitMillimetre, kUnitCentimetre, kUnitPoint, kUnitPica };
    // Display colours, indexed as kColor*: the paper, the area around the
    // pages, field backgrounds by kind, column guides.
    enum { kColorPage, kColorWorkspace, kColorDateTime, kColorPageNum, kColorFormula,
           kColorMailMerge, kColorBullNumber, kColorHeaderFooter, kColorColumns, kColorCount };
    enum { kFontNameSize = 33, kPathSize = MAX_PATH };

    // Every setting is zero until Load runs.
    CWOptions();
    virtual ~CWOptions();

    // Read all six sections under the current user's key, each setting that
    // is missing, too long or out of range taking its default; write them.
    virtual void Load();
    virtual void Save();
    // The same under another root than HKEY_CURRENT_USER, so that tests keep
    // their settings apart from the user's.
    void LoadFrom(HKEY root);
    void SaveTo(HKEY root);
    // Gives the settings that open documents keep to each of them (the
    // default colour to "(M) Normal", unmodified, no undo step) and repaints
    // their views and rulers.
    void ApplyOptions();

    // Equal when every setting is.
    bool operator==(const CWOptions& other) const;
    bool operator!=(const CWOptions& other) const { return !(*this == other); }

    // Lengths (0.1 mm) in the unit of Units, all five of them: "inch", "mm",
    // "cm", "points" or "picas"; an unknown unit gives "" and 0.
    CString GetUnitString() const;
    double GetInUnitsByFloat(long value) const;
    int GetInUnitsByInt(long value) const;
    // Two decimals, no unit name.
    CString GetInUnitsByString(long value) const;
    // A length given in the unit, back in 0.1 mm.
    long GetInMM01(float value) const;
    // The leading number of text, in the unit.
    long GetInMM01(CString text) const;

    // Lengths as text in inches while Units is 0, else in centimetres. The
    // text forms write at most kMeasureTextSize characters with the
    // terminator, fewer decimals when the number would not fit; withUnit
    // appends "\"" or " cm". Each returns text.
    enum { kMeasureTextSize = 20 };
    char* SetMeasure(char* text, float cm, unsigned char decimals, int withUnit) const;
    char* SetMeasure(char* text, long value, unsigned char decimals, int withUnit) const;
    void SetMeasure(CEdit& edit, long value, unsigned char decimals, int withUnit) const;
    void SetMeasure(CEdit& edit, float cm, unsigned char decimals, int withUnit) const;
    // Reads a length text: its leading number, in inches when the text holds
    // an inch mark or "in" anywhere, else in centimetres. Answers 1.
    int GetMeasure(const char* text, float& cm) const;
    int GetMeasure(const char* text, long& value) const;
    int GetMeasure(CEdit& edit, long& value) const;
    int GetMeasure(CEdit& edit, float& cm) const;
    // A plain number in an edit control, without unit.
    int GetValue(CEdit& edit, float& value) const;
    void SetValue(CEdit& edit, float value, unsigned char decimals) const;

    // The default font of new documents, at the start of the record as the
    // default-font page writes it.
    LONG FontSize;             // 0.1 mm
    COLORREF FontColor;
    WORD FontAttributes;       // GFontStyle attribute bits
    char FontName[kFontNameSize];
    // Fields keep their screen background when printed.
    BOOL EnableFieldColor;
    BYTE Units;                // kUnit*
    LONG UndoSteps;            // size of each document's undo ring, 0 to 1000
    BOOL MakeBackup;
    BOOL AlwaysSuggest;
    BOOL IsUseUserDictionary;
    char UserDictionary[kPathSize];
    char TemplatePath[kPathSize];
    short Language;            // spelling library's language number
    // Page margins of new documents, 0.1 mm.
    LONG BottomPageMargins;
    LONG LeftPageMargins;
    LONG RightPageMargins;
    LONG TopPageMargins;
    COLORREF Colors[kColorCount];
    short ZoomMode;            // 0 page width, 1 whole page, 2 many pages, 3 margins width, 4 percent
    short Percent;
    float ZoomScale;           // never stored; new views derive their own
    BOOL SmartCutPaste;
    BOOL CloseBlanks;          // mail merge removes blanks left around empty fields
};

extern CWOptions Options;

// The colour labels, each ending in one blank ("Page ", "Workspace ", ...),
// and writable copies whose last character Load and Save replace by "R",
// "G" or "B" to name the colour values.
extern const char* const ColorNames1[CWOptions::kColorCount];
extern char* ColorNames[CWOptions::kColorCount];

// 1 when the user's locale measures in metric units, else 0.
int GetDefaultMetric();
