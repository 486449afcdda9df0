// The twelve standard bullet and number styles of a new document, which
// the bullet and numbering commands offer and style management keeps.
#include "afxwin.h"
#include "document/CWDocument.h"
#include "model/default_styles.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

const int kSmallBulletSize = 35;   // about 10 pt
const int kBigBulletSize = 42;     // about 12 pt

// A list style with one bullet character on every level.
GListStyle Bullets(unsigned char bullet)
{
    return GListStyle(bullet);
}

void SetLabelSize(GListStyle& style, int size)
{
    for (int level = 1; level <= GListStyle::kLevels; level++)
        style.Level(level).m_Font.SetSize(size);
}

void SetFirstSuffix(GListStyle& style, const char* suffix)
{
    lstrcpynA(style.Level(1).m_Suffix, suffix, GLevelStyle::kTextSize);
}

void Append(GStyleTbl<GListStyle>& table, int name, const GListStyle& style)
{
    table.Add(GStyleItem<GListStyle>(GetResourceString(name), style));
}

} // namespace

void CWDocument::CreateDefaultListStyles()
{
    GListStyle style = Bullets(0xB7);
    SetLabelSize(style, kSmallBulletSize);
    Append(m_listStyles, IDS_LSTYLE_BULLET, style);

    style = Bullets(0xB7);
    SetLabelSize(style, kBigBulletSize);
    Append(m_listStyles, IDS_LSTYLE_BIGBULLET, style);

    Append(m_listStyles, IDS_LSTYLE_DIAMOND, Bullets(0xA8));
    Append(m_listStyles, IDS_LSTYLE_DIAMOND1, Bullets(0xE0));
    Append(m_listStyles, IDS_LSTYLE_ARROW, Bullets(0xDE));

    // The asterisk is a plain character: its first level takes the text's face.
    style = Bullets('*');
    style.Level(1).m_Font.SetFace("");
    Append(m_listStyles, IDS_LSTYLE_ASTERISK, style);

    Append(m_listStyles, IDS_LSTYLE_NUMBER, GListStyle(1, 1, 1, 1, 1, 1, 1, 1, 1));
    Append(m_listStyles, IDS_LSTYLE_ROMAN, GListStyle(5, 3, 1, 1, 1, 1, 1, 1, 1));
    Append(m_listStyles, IDS_LSTYLE_CAPLETTER, GListStyle(3, 1, 2, 0, 0, 0, 0, 0, 0));

    style = GListStyle(1, 0xB7, 0, 0, 0, 0, 0, 0, 0);
    SetFirstSuffix(style, ")");
    Append(m_listStyles, IDS_LSTYLE_NUMSHORT, style);

    style = GListStyle(3, 0, 0, 0, 0, 0, 0, 0, 0);
    SetFirstSuffix(style, ")");
    Append(m_listStyles, IDS_LSTYLE_CAPSHORT, style);

    style = GListStyle(2, 0, 0, 0, 0, 0, 0, 0, 0);
    SetFirstSuffix(style, ")");
    Append(m_listStyles, IDS_LSTYLE_LETTER, style);
}
