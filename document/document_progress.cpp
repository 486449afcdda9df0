// The status-bar progress of whole-document reads and writes.
#include "document/document_progress.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"

CDocumentProgress::Listener* CDocumentProgress::s_pListener = nullptr;

CDocumentProgress::CDocumentProgress(const CWDocument& doc, int captionId, int steps)
{
    if (doc.m_bClipboard)
        return;
    if (s_pListener)
        s_pListener->Started(captionId, steps);
    else if (CWCustomFrameData* frame = GetCustomFrameData())
        frame->InitStatusBarPercent(captionId, steps);
    else
        return;
    m_bShown = true;
}

CDocumentProgress::~CDocumentProgress()
{
    Done();
}

void CDocumentProgress::Step(int position)
{
    if (!m_bShown)
        return;
    if (s_pListener)
        s_pListener->Stepped(position);
    else if (CWCustomFrameData* frame = GetCustomFrameData())
        frame->SetStatusBarPercent(position);
}

void CDocumentProgress::Done()
{
    if (!m_bShown)
        return;
    m_bShown = false;
    if (s_pListener)
        s_pListener->Ended();
    else if (CWCustomFrameData* frame = GetCustomFrameData())
        frame->DoneStatusBarPercent();
}
