// The HTML reader's tag types and tag-table rows: one signed value per tag
// of HTML 4.0 in table order, with "$EOT$" (-400) for "not found" and as
// the end of every list of tag types. Used by the whole of html/.
#pragma once
#include "afx.h"

enum HtmlTagType : int
{
    tagEOT = -400,   // "$EOT$": not a tag; ends every list of tag types
    tagDOCTYPE = -399, tagA, tagEndA, tagABBR, tagEndABBR, tagACRONYM,
    tagEndACRONYM, tagADDRESS, tagEndADDRESS, tagAPPLET, tagEndAPPLET, tagAREA,
    tagB, tagEndB, tagBASE, tagBASEFONT, tagBDO, tagEndBDO,
    tagBIG, tagEndBIG, tagBLOCKQUOTE, tagEndBLOCKQUOTE, tagBODY, tagEndBODY,
    tagBR, tagBUTTON, tagEndBUTTON, tagCAPTION, tagEndCAPTION, tagCENTER,
    tagEndCENTER, tagCITE, tagEndCITE, tagCODE, tagEndCODE, tagCOL,
    tagCOLGROUP, tagEndCOLGROUP, tagComment, tagDD, tagEndDD, tagDEL,
    tagEndDEL, tagDFN, tagEndDFN, tagDIR, tagEndDIR, tagDIV,
    tagEndDIV, tagDL, tagEndDL, tagDT, tagEndDT, tagEM,
    tagEndEM, tagFIELDSET, tagEndFIELDSET, tagFONT, tagEndFONT, tagFORM,
    tagEndFORM, tagFRAME, tagFRAMESET, tagEndFRAMESET, tagH1, tagEndH1,
    tagH2, tagEndH2, tagH3, tagEndH3, tagH4, tagEndH4,
    tagH5, tagEndH5, tagH6, tagEndH6, tagHEAD, tagEndHEAD,
    tagHR, tagHTML, tagEndHTML, tagI, tagEndI, tagIFRAME,
    tagEndIFRAME, tagIMG, tagINPUT, tagINS, tagEndINS, tagISINDEX,
    tagKBD, tagEndKBD, tagLABEL, tagEndLABEL, tagLEGEND, tagEndLEGEND,
    tagLI, tagEndLI, tagLINK, tagMAP, tagEndMAP, tagMENU,
    tagEndMENU, tagMETA, tagNOFRAMES, tagEndNOFRAMES, tagNOSCRIPT, tagEndNOSCRIPT,
    tagOBJECT, tagEndOBJECT, tagOL, tagEndOL, tagOPTGROUP, tagEndOPTGROUP,
    tagOPTION, tagEndOPTION, tagP, tagEndP, tagPARAM, tagPRE,
    tagEndPRE, tagQ, tagEndQ, tagS, tagEndS, tagSAMP,
    tagEndSAMP, tagSCRIPT, tagEndSCRIPT, tagSELECT, tagEndSELECT, tagSMALL,
    tagEndSMALL, tagSPAN, tagEndSPAN, tagSTRIKE, tagEndSTRIKE, tagSTRONG,
    tagEndSTRONG, tagSTYLE, tagEndSTYLE, tagSUB, tagEndSUB, tagSUP,
    tagEndSUP, tagTABLE, tagEndTABLE, tagTBODY, tagEndTBODY, tagTD,
    tagEndTD, tagTEXTAREA, tagEndTEXTAREA, tagTFOOT, tagEndTFOOT, tagTH,
    tagEndTH, tagTHEAD, tagEndTHEAD, tagTR, tagEndTR, tagTITLE,
    tagEndTITLE, tagTT, tagEndTT, tagU, tagEndU, tagUL,
    tagEndUL, tagVAR, tagEndVAR,
    tagPLAINTEXT = -228   // stands between PARAM and PRE in the table
};

// One row of the tag table: the upper-case name (end tags with a leading
// "/"), a word that is 0 in every row, and the type.
struct TAGTABLE
{
    char name[16];
    LONG reserved;
    HtmlTagType type;
};

// 172 tags and the end row.
constexpr int kHtmlTagCount = 172;
constexpr int kHtmlTagRows = kHtmlTagCount + 1;
