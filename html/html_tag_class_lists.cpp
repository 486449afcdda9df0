// The tag classes of the HTML reader; each list ends with tagEOT.
#include "html/CHtmlParser.h"

// block-level (41)
const HtmlTagType CHtmlParser::m_BlockLevelTags[] = {
    tagADDRESS, tagEndADDRESS, tagBLOCKQUOTE, tagEndBLOCKQUOTE, tagCENTER, tagEndCENTER, tagDIV, tagEndDIV,
    tagFIELDSET, tagEndFIELDSET, tagH1, tagEndH1, tagH2, tagEndH2, tagH3, tagEndH3,
    tagH4, tagEndH4, tagH5, tagEndH5, tagH6, tagEndH6, tagLEGEND, tagEndLEGEND,
    tagP, tagEndP, tagPRE, tagEndPRE, tagUL, tagEndUL, tagOL, tagEndOL,
    tagDL, tagEndDL, tagNOSCRIPT, tagEndNOSCRIPT, tagFORM, tagEndFORM, tagHR, tagTABLE,
    tagEndTABLE, tagEOT};

// inline (62)
const HtmlTagType CHtmlParser::m_InlineTags[] = {
    tagTT, tagI, tagB, tagBIG, tagSMALL, tagEM, tagS, tagSTRONG,
    tagDFN, tagCODE, tagSAMP, tagKBD, tagVAR, tagCITE, tagABBR, tagACRONYM,
    tagA, tagIMG, tagOBJECT, tagBR, tagSCRIPT, tagMAP, tagQ, tagSUB,
    tagSUP, tagSPAN, tagBDO, tagINPUT, tagSELECT, tagTEXTAREA, tagLABEL, tagBUTTON,
    tagEndTT, tagEndI, tagEndB, tagEndBIG, tagEndSMALL, tagEndEM, tagEndS, tagEndSTRONG,
    tagEndDFN, tagEndCODE, tagEndSAMP, tagEndKBD, tagEndVAR, tagEndCITE, tagEndABBR, tagEndACRONYM,
    tagEndA, tagEndOBJECT, tagEndSCRIPT, tagEndMAP, tagEndQ, tagEndSUB, tagEndSUP, tagEndSPAN,
    tagEndBDO, tagINPUT, tagEndSELECT, tagEndTEXTAREA, tagEndLABEL, tagEndBUTTON, tagEOT};

// phrase (20)
const HtmlTagType CHtmlParser::m_PhraseTags[] = {
    tagABBR, tagEndABBR, tagACRONYM, tagEndACRONYM, tagCITE, tagEndCITE, tagCODE, tagEndCODE,
    tagDFN, tagEndDFN, tagEM, tagEndEM, tagKBD, tagEndKBD, tagSTRONG, tagEndSTRONG,
    tagSAMP, tagEndSAMP, tagVAR, tagEndVAR, tagEOT};

// end tag forbidden (12)
const HtmlTagType CHtmlParser::m_ForbiddenEndTags[] = {
    tagAREA, tagBASE, tagBASEFONT, tagBR, tagFRAME, tagHR, tagIMG, tagINPUT,
    tagISINDEX, tagLINK, tagMETA, tagPARAM, tagEOT};

// optional (18)
const HtmlTagType CHtmlParser::m_OptionalTags[] = {
    tagBODY, tagEndBODY, tagEndCOLGROUP, tagEndDD, tagEndDT, tagHEAD, tagEndHEAD, tagHTML,
    tagEndHTML, tagEndLI, tagEndOPTION, tagEndP, tagTBODY, tagEndTBODY, tagEndTD, tagEndTFOOT,
    tagEndTH, tagEndTR, tagEOT};
