// The paragraph styles of a new document: plain paragraphs, a title,
// indented variants and the style of every flow but the body, each with
// tab stops that reach the right text edge.
#include "afxwin.h"
#include "document/CWDocument.h"
#include "model/default_styles.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

// Which stops a style gets on top of the default ones (W: text width).
enum TabSet
{
    kTabsEdges,          // left at 0, right at W, validated
    kTabsIndentRaw,      // left at the indent, right at W, not validated
    kTabsIndent,         // left at the indent, right at W, validated
    kTabsCentred         // only left at the indent, centre at W/2, right at W
};

const struct
{
    int name;
    WORD key;     // Ctrl+Shift+key; 0: no shortcut
    short left;
    short firstRow;
    short before;
    short after;
    TabSet tabs;
} kParaStyles[] = {
    {IDS_PSTYLE_PARAGRAPH, 'P', 0, 0, 0, 0, kTabsEdges},
    {IDS_PSTYLE_TITLE, 'T', 0, 0, 42, 21, kTabsEdges},
    {IDS_PSTYLE_INDENT, 'E', 0, 0, 21, 10, kTabsEdges},
    {IDS_PSTYLE_STRETCH, 'S', 0, 0, 21, 10, kTabsEdges},
    {IDS_PSTYLE_RIGHT, 0, 64, 0, 0, 0, kTabsIndentRaw},
    {IDS_PSTYLE_RIGHT, 0, 64, 64, 0, 0, kTabsIndent},
    {IDS_PSTYLE_RIGHT, 0, 0, 0, 21, 21, kTabsEdges},
    {IDS_PSTYLE_RIGHT, 0, 0, 0, 0, 0, kTabsCentred},
};

const short kTabIndent = 64;

void ApplyTabs(GTabArr& tabs, TabSet set, short width)
{
    switch (set)
    {
    case kTabsEdges:
        tabs.AddTab(GTab(GTab::kLeft, 0));
        tabs.AddTab(GTab(GTab::kRight, width));
        tabs.Validate(0, width);
        break;
    case kTabsIndentRaw:
        tabs.AddTab(GTab(GTab::kLeft, kTabIndent));
        tabs.AddTab(GTab(GTab::kRight, width));
        break;
    case kTabsIndent:
        tabs.AddTab(GTab(GTab::kLeft, kTabIndent));
        tabs.AddTab(GTab(GTab::kRight, width));
        tabs.Validate(0, width);
        break;
    case kTabsCentred:
        for (int i = 0; i < GTabArr::kCount; i++)
            tabs[i].position.value = GTab::kEmpty;
        tabs.AddTab(GTab(GTab::kLeft, kTabIndent));
        tabs.AddTab(GTab(GTab::kCentre, (short)(width / 2)));
        tabs.AddTab(GTab(GTab::kRight, width));
        tabs.Validate(0, width);
        break;
    }
}

} // namespace

void CWDocument::CreateDefaultParaStyles()
{
    // The text width of the document's page format, as a stop position.
    const GPageInfo& page = m_pageInfos[0];
    const short width = (short)(page.textRight - page.textLeft);

    for (const auto& entry : kParaStyles)
    {
        GParaStyle style(entry.left, 0, entry.firstRow, 1.0f, 0, GParaStyle::kAlignLeft);
        style.m_Before = Gint(entry.before);
        style.m_After = Gint(entry.after);
        ApplyTabs(style.m_Tabs, entry.tabs, width);
        GKey key = entry.key ? GKey(entry.key, GKey::kCtrl | GKey::kShift) : GKey();
        m_paraStyles.Add(GStyleItem<GParaStyle>(GetResourceString(entry.name), style, key));
    }
}
