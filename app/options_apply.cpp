// Passing changed settings to the open documents.
#include "app/CWApp.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "model/GStyleTbl.h"
#include "resources/resource.h"
#include "view/CWView.h"

namespace {

// The default colour goes to the character style of "(M) Normal". A
// document without that master style, or whose master style names no
// character style of its table, keeps its styles as they are.
void ApplyDefaultColor(CWDocument& doc)
{
    CString normal;
    normal.LoadString(IDS_MSTYLE_NORMAL);
    const long master = doc.m_masterStyles.FindStyle(normal);
    if (master < 0)
        return;
    const int font = doc.m_masterStyles[master].style.m_Font;
    if (font < 0 || font >= doc.m_fontStyles.GetCount())
        return;
    doc.m_fontStyles[font].style.m_Colour = Options.FontColor;
}

void Repaint(CWnd* wnd)
{
    if (wnd && ::IsWindow(wnd->m_hWnd))
        wnd->InvalidateRect(nullptr, TRUE);
}

}  // namespace

void CWOptions::ApplyOptions()
{
    for (POSITION tpos = App.GetFirstDocTemplatePosition(); tpos;)
    {
        CDocTemplate* docTemplate = App.GetNextDocTemplate(tpos);
        for (POSITION dpos = docTemplate->GetFirstDocPosition(); dpos;)
        {
            CDocument* document = docTemplate->GetNextDoc(dpos);
            if (!document->IsKindOf(RUNTIME_CLASS(CWDocument)))
                continue;
            CWDocument& doc = *(CWDocument*)document;
            doc.SetUndoSteps((unsigned char)UndoSteps);
            // A setting, not an edit: no undo step, the modified flag stays.
            ApplyDefaultColor(doc);
            for (POSITION vpos = doc.GetFirstViewPosition(); vpos;)
            {
                CView* view = doc.GetNextView(vpos);
                Repaint(view);
                if (!view->IsKindOf(RUNTIME_CLASS(CWView)))
                    continue;
                CWView* wview = (CWView*)view;
                if (wview->IsHRuler())
                    Repaint(wview->GetHRuler());
                if (wview->IsVRuler())
                    Repaint(wview->GetVRuler());
            }
        }
    }
}
