// The built-in HTML styles put into a document's style tables, and their
// pairs of style indexes found again by name.
#include "html/CHtmlDefaultStyles.h"
#include "html/html_builtin_styles.h"
#include "html/CStyleSheetManager.h"
#include "document/CWDocument.h"

namespace {

constexpr short kAllAttributesDefined = -1;
constexpr short kSpaceBefore = 42;   // about 12 pt
constexpr short kSpaceAfter = 21;    // about 6 pt
constexpr int kFirstParaStyle = 0;

} // namespace

CHtmlDefaultStyles::CHtmlDefaultStyles(CWDocument* doc) : m_pDoc(doc)
{
}

CHtmlDefaultStyles::~CHtmlDefaultStyles()
{
}

void CHtmlDefaultStyles::CreateHtmlStyles()
{
    HTMLCreateFontStyles();
    HTMLCreateParaStyles();
    HTMLCreateMasterStyles();
}

void CHtmlDefaultStyles::HTMLCreateFontStyles()
{
    for (const HtmlBuiltinFontStyle& entry : kHtmlBuiltinFontStyles)
    {
        int size = entry.sizeKeyword ? GetFontSize(entry.sizeKeyword, -1) : entry.size;
        GFontStyle style(entry.face, size, entry.colour, entry.attributes, kAllAttributesDefined);
        m_pDoc->m_fontStyles.Add(GStyleItem<GFontStyle>(entry.name, style));
    }
}

void CHtmlDefaultStyles::HTMLCreateParaStyles()
{
    GParaStyle style(0, 0, 0, 1.0f, 0, GParaStyle::kAlignLeft);
    style.m_Before = Gint(kSpaceBefore);
    style.m_After = Gint(kSpaceAfter);
    m_pDoc->m_paraStyles.Add(GStyleItem<GParaStyle>(kHtmlParagraphStyleName, style));
}

void CHtmlDefaultStyles::HTMLCreateMasterStyles()
{
    long paragraph = -1;
    for (int row = 0; row < kHtmlBuiltinStyleCount; row++)
    {
        const HtmlBuiltinMasterStyle& entry = kHtmlBuiltinMasterStyles[row];
        int font = row == htmlStyleAddress ? m_Styles[htmlStyleCite].m_Font
                                            : (int)m_pDoc->m_fontStyles.FindStyle(entry.fontStyle);
        if (row == htmlStyleParagraph)
            paragraph = m_pDoc->m_paraStyles.FindStyle(kHtmlParagraphStyleName);
        int para = row == htmlStyleBody ? kFirstParaStyle : (int)paragraph;
        GMasterStyle master(font, para);
        m_pDoc->m_masterStyles.Add(GStyleItem<GMasterStyle>(entry.name, master));
        m_Styles[row] = master;
    }
}

void CHtmlDefaultStyles::GetCurrentHtmlStyles()
{
    long paragraph = m_pDoc->m_paraStyles.FindStyle(kHtmlParagraphStyleName);
    for (int row = 0; row < kHtmlBuiltinStyleCount; row++)
    {
        m_Styles[row].m_Font = (int)m_pDoc->m_fontStyles.FindStyle(kHtmlBuiltinMasterStyles[row].fontStyle);
        m_Styles[row].m_Para = row == htmlStyleBody ? kFirstParaStyle : (int)paragraph;
    }
}
