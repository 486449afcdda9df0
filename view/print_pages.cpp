// One printed page: the page's data record merged in, the page drawn, the
// document put back as it was, and the copies the view makes itself.
#include "view/CWView.h"
#include "view/printing.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GPageInfo.h"
#include "app/CWOptions.h"
#include "resources/resource.h"
#include "afxdlgs.h"
#include "afxprint.h"
#include <algorithm>

const char kPrintFailure[] = "Print Failure";

namespace {

const COLORREF kWhite = 0xFFFFFF;
const COLORREF kBlack = 0;

// White text of the "(M) Normal" master style prints black on a page
// whose colour setting is black, for the page being printed.
class CNormalTextForPrinting
{
public:
    explicit CNormalTextForPrinting(CWDocument* doc)
    {
        CString name;
        name.LoadString(IDS_MSTYLE_NORMAL);
        const long master = doc->m_masterStyles.FindStyle((LPCSTR)name);
        const int font = master >= 0 ? doc->m_masterStyles[master].style.m_Font : -1;
        if (font < 0 || font >= doc->m_fontStyles.count)
            return;
        GFontStyle& style = doc->m_fontStyles[font].style;
        if (style.m_Colour != kWhite || Options.Colors[CWOptions::kColorPage] != kBlack)
            return;
        m_pStyle = &style;
        style.m_Colour = kBlack;
    }
    ~CNormalTextForPrinting()
    {
        if (m_pStyle)
            m_pStyle->m_Colour = kWhite;
    }

private:
    GFontStyle* m_pStyle = NULL;
};

} // namespace

void CWView::PrintPageContents(CDC* dc, long page, CPrintInfo* info)
{
    DrawPage(dc, page, NULL, info);
    for (LONG i = 0; i < m_pDoc->m_frames.count; ++i)
        if (CFrame* frame = m_pDoc->m_frames[i])
            if (frame->IsVisible(page))
                frame->OnDraw(dc, this, NULL, page);
    if (GDoc* body = m_pDoc->GetFlow(kBodyFlow))
        for (LONG i = 0; i < body->m_frames.count; ++i)
            if (CFrame* frame = body->m_frames[i])
                if (frame->IsVisible(page))
                    frame->OnDraw(dc, this, NULL, page);
    DrawDocParts(dc, page);
}

void CWView::OnPrint(CDC* dc, CPrintInfo* info)
{
    GDoc* body = m_pDoc ? m_pDoc->GetFlow(kBodyFlow) : NULL;
    if (!body)
        return;
    const long pages = std::max(1L, (long)m_nPages);
    const long page = ((long)info->m_nCurPage - 1) % pages;
    bool failed = false;
    {
        CNormalTextForPrinting normal(m_pDoc);
        body->SavePosition();
        // A page that fails half-way leaves the context as it was for the
        // next one.
        const int saved = dc->SaveDC();
        try
        {
            body->MergeNextPage(info->m_nCurPage, pages);
            PrintPageContents(dc, page, info);
        }
        catch (CException* e)
        {
            e->Delete();
            failed = true;
        }
        catch (...)
        {
            failed = true;
        }
        dc->RestoreDC(saved);
        // Until the next printer context is prepared the view measures for
        // the screen again (the caret may move meanwhile).
        m_bPageMode = TRUE;
        // The merge keeps what it removed and puts it back itself: the
        // user's undo and redo lists are not touched.
        body->RestoreFormulas();
        body->UpdateFormulaFields();
        body->LoadPosition();
        if (m_pDoc->m_pageInfos.count > 0)
            m_pDoc->m_pageInfos[0].useFontStyle = 0;
    }
    if (failed)
    {
        AfxMessageBox(kPrintFailure);
        // The failed page's further copies are not made.
        if (!bCollate)
            nCurCopy = 1;
        return;
    }

    if (!bCollate)
    {
        if (nCurCopy < nNumCopies)
        {
            --info->m_nCurPage;
            ++nCurCopy;
        }
        else
            nCurCopy = 1;
    }
    else
    {
        // The range as the print loop runs it: a range given beyond the
        // document ends at its last page.
        const PRINTDLGA& pd = info->m_pPD->m_pd;
        const UINT last = std::min<UINT>(pd.nToPage, info->GetMaxPage());
        const UINT first = std::max<UINT>(pd.nFromPage, info->GetMinPage());
        if (info->m_nCurPage == last && nCurCopy < nNumCopies)
        {
            info->m_nCurPage = first - 1;
            ++nCurCopy;
        }
    }
}
