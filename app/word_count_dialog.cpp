// The word count's result.
#include "app/CWWordCount.h"

namespace {
CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}
}  // namespace

CWWordCount::CWWordCount(int characters, int blanks, int lines, int paragraphs, int pages, int words)
    : CDialog(IDD_WORD_COUNT, nullptr),
      m_strPages(Number(pages)),
      m_strWords(Number(words)),
      m_strCharacters(Number(characters)),
      m_strWithBlanks(Number(characters + blanks)),
      m_strParagraphs(Number(paragraphs)),
      m_strLines(Number(lines))
{
}

void CWWordCount::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WORD_COUNT_PAGES, m_strPages);
    DDX_Text(pDX, IDC_WORD_COUNT_WORDS, m_strWords);
    DDX_Text(pDX, IDC_WORD_COUNT_CHARACTERS, m_strCharacters);
    DDX_Text(pDX, IDC_WORD_COUNT_WITH_BLANKS, m_strWithBlanks);
    DDX_Text(pDX, IDC_WORD_COUNT_PARAGRAPHS, m_strParagraphs);
    DDX_Text(pDX, IDC_WORD_COUNT_LINES, m_strLines);
}
