// The word count's result: pages, words, characters without and with the
// blanks, paragraphs and lines of a document. The view's word count shows it.
#pragma once
#include "afxwin.h"

#define IDD_WORD_COUNT              5082
#define IDC_WORD_COUNT_PAGES        1138
#define IDC_WORD_COUNT_WORDS        1139
#define IDC_WORD_COUNT_CHARACTERS   1140
#define IDC_WORD_COUNT_WITH_BLANKS  1141
#define IDC_WORD_COUNT_PARAGRAPHS   1142
#define IDC_WORD_COUNT_LINES        1143

class CWWordCount : public CDialog
{
public:
    CWWordCount(int characters, int blanks, int lines, int paragraphs, int pages, int words);

    // The six fields' texts.
    CString m_strPages, m_strWords, m_strCharacters, m_strWithBlanks, m_strParagraphs, m_strLines;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
};
