// The tags that close each element whose end tag may be left out; each
// list ends with tagEOT.
#include "html/COptionalTagsMap.h"

const HtmlTagType COptionalTagsMap::m_ListItemTags[] = {
    tagLI, tagOL, tagEndOL, tagDIR, tagEndDIR, tagMENU, tagEndMENU, tagUL,
    tagEndUL, tagEOT};

const HtmlTagType COptionalTagsMap::m_PTags[] = {
    tagADDRESS, tagEndADDRESS, tagBLOCKQUOTE, tagEndBLOCKQUOTE, tagCENTER, tagEndCENTER, tagDIV, tagEndDIV,
    tagFIELDSET, tagEndFIELDSET, tagH1, tagEndH1, tagH2, tagEndH2, tagH3, tagEndH3,
    tagH4, tagEndH4, tagH5, tagEndH5, tagH6, tagEndH6, tagLEGEND, tagEndLEGEND,
    tagP, tagPRE, tagEndPRE, tagUL, tagEndUL, tagOL, tagEndOL, tagDL,
    tagEndDL, tagNOSCRIPT, tagEndNOSCRIPT, tagFORM, tagEndFORM, tagHR, tagTABLE, tagEndTABLE,
    tagEOT};

const HtmlTagType COptionalTagsMap::m_OptionTags[] = {
    tagOPTGROUP, tagEndOPTGROUP, tagOPTION, tagSELECT, tagEndSELECT, tagEOT};

const HtmlTagType COptionalTagsMap::m_DTTags[] = {
    tagDD, tagDT, tagEndDL, tagTT, tagI, tagB, tagBIG, tagSMALL,
    tagEM, tagS, tagSTRONG, tagDFN, tagCODE, tagSAMP, tagKBD, tagVAR,
    tagCITE, tagABBR, tagACRONYM, tagA, tagIMG, tagOBJECT, tagBR, tagSCRIPT,
    tagMAP, tagQ, tagSUB, tagSUP, tagSPAN, tagBDO, tagINPUT, tagSELECT,
    tagTEXTAREA, tagLABEL, tagBUTTON, tagEndTT, tagEndI, tagEndB, tagEndBIG, tagEndSMALL,
    tagEndEM, tagEndS, tagEndSTRONG, tagEndDFN, tagEndCODE, tagEndSAMP, tagEndKBD, tagEndVAR,
    tagEndCITE, tagEndABBR, tagEndACRONYM, tagEndA, tagEndOBJECT, tagEndSCRIPT, tagEndMAP, tagEndQ,
    tagEndSUB, tagEndSUP, tagEndSPAN, tagEndBDO, tagINPUT, tagEndSELECT, tagEndTEXTAREA, tagEndLABEL,
    tagEndBUTTON, tagEOT};

const HtmlTagType COptionalTagsMap::m_DDTags[] = {
    tagDT, tagDL, tagEndDL, tagEOT};

const HtmlTagType COptionalTagsMap::m_TRTags[] = {
    tagTR, tagTABLE, tagEndTABLE, tagEndTBODY, tagTFOOT, tagEndTFOOT, tagEOT};

const HtmlTagType COptionalTagsMap::m_TDTags[] = {
    tagTD, tagTR, tagEndTR, tagTABLE, tagEndTABLE, tagEOT};

const HtmlTagType COptionalTagsMap::m_TFOOTTags[] = {
    tagEndTABLE, tagEOT};

const HtmlTagType COptionalTagsMap::m_THTags[] = {
    tagTH, tagTR, tagEndTR, tagTABLE, tagEndTABLE, tagEOT};
