// The common part of the intermediate-file exporter and importer: the
// document, the flow being walked, the file and the three translators.
#pragma once
#include "convert/TIntermediateFile.h"
#include "convert/translators.h"
#include "model/forward.h"
#include <memory>

class CWCustomFrameData;

class TConvertor
{
public:
    // mode: TIntermediateFile::kRead for the importer, kWrite for the
    // exporter. Members built before a throwing one are destroyed.
    TConvertor(CWView* view, const char* fileName, unsigned char mode, CWDocument* doc);
    ~TConvertor();
    TConvertor(const TConvertor&) = delete;
    TConvertor& operator=(const TConvertor&) = delete;

protected:
    // The progress display of a conversion: the frame data the driver
    // stored, else the application's; null without a frame.
    static CWCustomFrameData* Progress();

    CWView* m_pView;
    CWDocument* m_pDoc;
    long m_nFlow = 0;
    GDoc* m_pFlow = nullptr;
    std::unique_ptr<TIntermediateFile> m_pFile;
    std::unique_ptr<TFontSty> m_pFont;
    std::unique_ptr<TParaSty> m_pPara;
    std::unique_ptr<TPageInfo> m_pPage;
};
