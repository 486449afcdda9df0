// CHtmlDefaultStyles: the styles that stand for HTML elements, added to a
// document's style tables when an HTML file is read and found again by
// name when one is written, with the pair of style indexes of each of the
// 17 built-in master styles.
#pragma once
#include "model/GMasterStyle.h"

class CWDocument;

// The built-in master styles, by their row in the pairs.
enum HtmlBuiltinStyle
{
    htmlStyleBody,
    htmlStyleParagraph,
    htmlStyleHeading1,
    htmlStyleHeading2,
    htmlStyleHeading3,
    htmlStyleHeading4,
    htmlStyleHeading5,
    htmlStyleHeading6,
    htmlStylePreformatted,
    htmlStyleCite,
    htmlStyleAddress,
    htmlStyleHyperlink,
    htmlStyleCode,
    htmlStyleKeyboard,
    htmlStyleTypewriter,
    htmlStyleSample,
    htmlStyleVariable,
    kHtmlBuiltinStyleCount
};

class CHtmlDefaultStyles
{
public:
    explicit CHtmlDefaultStyles(CWDocument* doc);
    virtual ~CHtmlDefaultStyles();

    // Appends the 13 font styles, the paragraph style and the 17 master
    // styles, whatever the tables already hold, and sets the pairs.
    void CreateHtmlStyles();
    void HTMLCreateFontStyles();
    void HTMLCreateParaStyles();
    void HTMLCreateMasterStyles();
    // Sets the pairs from the styles the document holds, by name; adds
    // nothing. A missing name gives -1.
    void GetCurrentHtmlStyles();

    // Font-style and paragraph-style index of each built-in master style.
    GMasterStyle m_Styles[kHtmlBuiltinStyleCount];
    CWDocument* m_pDoc;
};
