// The attribute parsers of the HTML reader by tag type, sorted by type for
// a search by bisection; the last row ends the table. A tag without a row
// has its attributes skipped.
#include "html/CHtmlParser.h"

namespace {
constexpr HtmlTagType kParamEntriesEnd = (HtmlTagType)-227;
}

const CHtmlParser::PARAMENTRY CHtmlParser::ParamEntries[] = {
    {tagB, &CHtmlParser::GetPropA},
    {tagBASE, &CHtmlParser::GetBaseProp},
    {tagBASEFONT, &CHtmlParser::GetFontProp},
    {tagBDO, &CHtmlParser::GetBDOProp},
    {tagBIG, &CHtmlParser::GetPropA},
    {tagBLOCKQUOTE, &CHtmlParser::GetPropA},
    {tagBODY, &CHtmlParser::GetBodyProp},
    {tagCENTER, &CHtmlParser::GetPropA},
    {tagCITE, &CHtmlParser::GetPropA},
    {tagDD, &CHtmlParser::GetPropA},
    {tagDEL, &CHtmlParser::GetPropA},
    {tagDFN, &CHtmlParser::GetPropA},
    {tagDIR, &CHtmlParser::GetUListProp},
    {tagDIV, &CHtmlParser::GetParaProp},
    {tagDL, &CHtmlParser::GetPropA},
    {tagDT, &CHtmlParser::GetPropA},
    {tagEM, &CHtmlParser::GetPropA},
    {tagFONT, &CHtmlParser::GetFontProp},
    {tagH1, &CHtmlParser::GetHProp},
    {tagH2, &CHtmlParser::GetHProp},
    {tagH3, &CHtmlParser::GetHProp},
    {tagH4, &CHtmlParser::GetHProp},
    {tagH5, &CHtmlParser::GetHProp},
    {tagH6, &CHtmlParser::GetHProp},
    {tagI, &CHtmlParser::GetPropA},
    {tagIMG, &CHtmlParser::GetImgProp},
    {tagINS, &CHtmlParser::GetPropA},
    {tagKBD, &CHtmlParser::GetPropA},
    {tagLI, &CHtmlParser::GetLItemProp},
    {tagLINK, &CHtmlParser::GetLinkProp},
    {tagMENU, &CHtmlParser::GetUListProp},
    {tagOL, &CHtmlParser::GetOListProp},
    {tagP, &CHtmlParser::GetParaProp},
    {tagS, &CHtmlParser::GetPropA},
    {tagSAMP, &CHtmlParser::GetPropA},
    {tagSMALL, &CHtmlParser::GetPropA},
    {tagSPAN, &CHtmlParser::GetPropA}, // its CLASS, ID and STYLE count as well
    {tagSTRIKE, &CHtmlParser::GetPropA},
    {tagSTRONG, &CHtmlParser::GetPropA},
    {tagTT, &CHtmlParser::GetPropA},
    {tagUL, &CHtmlParser::GetUListProp},
    {tagVAR, &CHtmlParser::GetPropA},
    {kParamEntriesEnd, nullptr}};

const int CHtmlParser::kParamEntryCount = sizeof(ParamEntries) / sizeof(ParamEntries[0]);
