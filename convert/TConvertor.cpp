#include "convert/TConvertor.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"

namespace
{
const char kParaRecordName[] = "SYT";
}

TConvertor::TConvertor(CWView* view, const char* fileName, unsigned char mode, CWDocument* doc)
    : m_pView(view), m_pDoc(doc)
{
    m_pFile.reset(new TIntermediateFile(fileName, mode));
    m_pFont.reset(new TFontSty(doc));
    m_pPara.reset(new TParaSty(doc, kParaRecordName));
    m_pPage.reset(new TPageInfo());
}

TConvertor::~TConvertor() = default;

CWCustomFrameData* TConvertor::Progress()
{
    return MainFrame ? MainFrame : GetCustomFrameData();
}
