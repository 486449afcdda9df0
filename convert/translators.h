// The format translators of the intermediate file: each keeps the last
// state written or read, so the exporter writes only changes and the
// importer builds styles from the records it has seen. TFontSty
// (characters and the font table), TParaSty (paragraphs) with TTabulators
// (tab stops), TPageInfo (page set-up) and TTSsI (the summary record).
// Lengths of the model are in 0.1 mm, those of the page fields in twips.
#pragma once
#include "convert/TCommand.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/GPageInfo.h"

class TIntermediateFile;

// 0.1 mm and twips, rounded as the records round.
int32_t TwipsOf(long tenthMm);
int32_t TenthMmOf(long twips);

// One byte whose Sum() counts its set bits.
struct bits
{
    unsigned char value;
    int Sum() const;
};

// The font table ("FDT", its arguments) and the character state.
class TFontSty : public TCommandsICF
{
public:
    static constexpr int kFaceLength = GFontStyle::kFaceSize - 1;

    explicit TFontSty(CWDocument* doc);
    TFontSty(CWDocument* doc, const char* recordText, long length);

    // Exporter: the records that take the state to style, written to file.
    void SetFontSty(const GFontStyle& style, long fontNumber, TIntermediateFile& file);
    void OutFDT(TIntermediateFile& file) { out_icf(file); }
    // Importer: 0, style untouched, unless a record changed the state since
    // the last call; else the state's face, size, attributes and colour.
    int GetFontStyle(GFontStyle& style);
    // The face of font number n of the table; false when it has none.
    bool GetFontName(long n, char* face) const;
    // The character set the face's ending gave, 0 for none.
    unsigned char GetFaceCharSet() const { return m_faceCharSet; }
    void MarkChanged() { m_bChanged = true; }

    // Readers of the character records; each marks the state changed.
    void SPF(const TCommandArg& r);
    void BCL(const TCommandArg& r);
    void ECL(const TCommandArg& r);
    void SUM(const TCommandArg& r);
    // BBT ... ECS: the attribute bit of the record's name set or cleared.
    void Attribute(const TCommandArg& r);

    const char* Face() const { return m_face; }
    int Size() const { return m_size; }
    COLORREF Colour() const { return m_colour; }
    unsigned short Attributes() const { return m_attr; }

private:
    void TakeState(CWDocument* doc);
    void SetFace(const char* face);

    bool m_bChanged = false;
    unsigned short m_underlineBit = GFontStyle::kUnderline;
    char m_face[GFontStyle::kFaceSize] = {};
    int m_size = 0;
    COLORREF m_colour = 0;
    unsigned short m_attr = 0;
    unsigned short m_mask = 0;
    bool m_bSpfWritten = false;
    unsigned char m_faceCharSet = 0;
};

// The tab stops: itself the "NTB" record, with the ruler "RUL" beside it.
class TTabulators : public TCommandArg
{
public:
    static constexpr int kMostRulerTabs = 40;
    static constexpr int kStopLimit = 2440;   // 0.1 mm; stops from here on are not written

    explicit TTabulators(long offset);

    // Exporter: the ruler of tabs; marks it changed when it differs.
    void SetTabs(const GTabArr& tabs);
    void Out(TIntermediateFile& file);
    void OutRUL(TIntermediateFile& file) { m_rul.out_icf(file); }
    void OutNTB(TIntermediateFile& file) { out_icf(file); }
    // Importer.
    void NTB(const TCommandArg& r);
    void _RUL(const TCommandArg& r);
    void GetTabs(GTabArr& tabs) const;
    int GetCountTabs() const;
    // Rebuilds the ruler with left tabs at the given positions (twips, the
    // offset not yet added).
    void SetLeftTabs(const std::vector<int32_t>& positions);

    long GetOffset() const { return m_offset; }
    void SetOffset(long offset) { m_offset = offset; }
    const TCommandArg& Ruler() const { return m_rul; }

private:
    // "NTB" from the ruler.
    void BuildNTB();

    TCommandArg m_rul;
    long m_offset;
    bool m_bRulJustRead = false;
    bool m_bChanged = false;
};

// The paragraph state.
class TParaSty : public TCommandsICF
{
public:
    TParaSty(CWDocument* doc, const char* name);

    void SetDefaults();
    // Exporter.
    void SetParaStyle(const GParaStyle& style, TIntermediateFile& file);
    // Importer: always 1.
    int GetParaStyle(GParaStyle& style);

    void BCA(const TCommandArg&) { m_align = GParaStyle::kAlignCentre; }
    void CTX(const TCommandArg&) { m_align = GParaStyle::kAlignCentre; }
    void ECT(const TCommandArg&) { m_align = GParaStyle::kAlignLeft; }
    void BRA(const TCommandArg&) { m_align = GParaStyle::kAlignRight; }
    void EAT(const TCommandArg&) { m_align = GParaStyle::kAlignLeft; }
    void BRJ(const TCommandArg&);
    void ERJ(const TCommandArg&);
    // 1 when the record stands for a tab.
    int AFR(const TCommandArg& r);
    void IPS(const TCommandArg& r);
    void RSP(const TCommandArg& r);
    void RUL(const TCommandArg& r) { m_tabs._RUL(r); }
    void NTB(const TCommandArg& r) { m_tabs.NTB(r); }
    void RSMforPara(const TCommandArg& r);
    void STM(const TCommandArg& r);
    void LMR(const TCommandArg& r);

    // The page's left margin, right-margin position and width (twips).
    void SetPage(long left, long rightPos, long width);

    bool m_bFull = true;             // the next style goes whole (exporter) or is applied (importer)
    bool m_bRightIndentMark = false;
    bool m_bStmSetsFirst = true;
    bool m_bJustifyMark = false;
    TTabulators m_tabs;
    long m_pageLeft = 1440;
    long m_rightPos = 10800;
    long m_pageWidth = 12240;
    long m_left = 0, m_right = 0, m_first = 0;   // 0.1 mm from the margins
    float m_spacing = 1.0f;
    unsigned char m_align = GParaStyle::kAlignLeft;

private:
    long TextWidthTenthMm() const;
};

// The page set-up, lengths in twips.
class TPageInfo
{
public:
    TPageInfo() = default;

    // Exporter: from the document's first page information.
    void SetPageInfo(CWDocument* doc);
    // Importer: into a page information, kept within the model's ranges.
    void GetPageInfo(GPageInfo& info) const;

    void OutPOR(TIntermediateFile& file) const;
    void OutPGW(TIntermediateFile& file) const;
    void OutSFL(TIntermediateFile& file) const;
    void OutSTP(TIntermediateFile& file) const;
    void OutSBP(TIntermediateFile& file) const;
    void OutRSM(TIntermediateFile& file) const;

    void POR(const TCommandArg& r);
    void PGW(const TCommandArg& r);
    void SFL(const TCommandArg& r);
    void STP(const TCommandArg& r);
    void SBP(const TCommandArg& r);
    void RSM(const TCommandArg& r);

    int32_t width = 12240;
    int32_t height = 15840;
    int32_t rightPos = 10800;
    int32_t left = 1440;
    int32_t top = 1440;
    int32_t bottom = 1440;
    int32_t headerDistance = 0;
    int32_t footerDistance = 0;
    int32_t landscape = 0;
    int32_t firstPageDiff = 0;
    int32_t oddEvenDiff = 0;
    int32_t paperType = 9;
    int32_t spare = 0;
    int32_t setup = 1;               // page set-up lasts
    int32_t widthSeen = 0;
};

// The summary record "SSI".
class TTSsI : public TCommandArg
{
public:
    static constexpr int kArgCount = 20;
    explicit TTSsI(const CWDocument* doc);
    TTSsI(const char* recordText, long length);
    // The summary is not applied to the document.
    void GetDocInfo(CWDocument*) const {}
};
