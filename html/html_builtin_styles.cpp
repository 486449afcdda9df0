// The built-in HTML styles. The heading sizes are the CSS size keywords'
// (x-large down to xx-small), converted when the styles are made.
#include "html/html_builtin_styles.h"
#include "model/GFontStyle.h"

namespace {
constexpr COLORREF kBlack = 0;
constexpr COLORREF kHyperlinkBlue = 0xFF0000;
constexpr short kPlain = 0;
constexpr short kBold = GFontStyle::kBold;
constexpr short kItalic = GFontStyle::kItalic;
constexpr short kUnderline = GFontStyle::kUnderline;
}

const HtmlBuiltinFontStyle kHtmlBuiltinFontStyles[kHtmlBuiltinFontStyleCount] = {
    {"(f) HTML Body", "Verdana", 42, nullptr, kBlack, kPlain},
    {"(f) HTML Paragraph", "Verdana", 42, nullptr, kBlack, kPlain},
    {"(f) HTML Heading1", "Verdana", 0, "x-large", kBlack, kBold},
    {"(f) HTML Heading2", "Verdana", 0, "large", kBlack, kBold},
    {"(f) HTML Heading3", "Verdana", 0, "medium", kBlack, kBold},
    {"(f) HTML Heading4", "Verdana", 0, "small", kBlack, kBold},
    {"(f) HTML Heading5", "Verdana", 0, "x-small", kBlack, kBold},
    {"(f) HTML Heading6", "Verdana", 0, "xx-small", kBlack, kBold},
    {"(f) HTML Preformatted", "Courier New", 35, nullptr, kBlack, kPlain},
    {"(f) HTML Cite", "Times New Roman", 42, nullptr, kBlack, kItalic},
    {"(f) HTML Hyperlink", "Verdana", 42, nullptr, kHyperlinkBlue, kUnderline},
    {"(f) HTML Sample", "Courier New", 42, nullptr, kBlack, kPlain},
    {"(f) HTML Keyboard", "Courier New", 35, nullptr, kBlack, kBold}};

const char kHtmlParagraphStyleName[] = "(p) HTML Paragraph";

const HtmlBuiltinMasterStyle kHtmlBuiltinMasterStyles[kHtmlBuiltinStyleCount] = {
    {"(M) HTML Body", "(f) HTML Body"},
    {"(M) HTML Paragraph", "(f) HTML Paragraph"},
    {"(M) HTML Heading1", "(f) HTML Heading1"},
    {"(M) HTML Heading2", "(f) HTML Heading2"},
    {"(M) HTML Heading3", "(f) HTML Heading3"},
    {"(M) HTML Heading4", "(f) HTML Heading4"},
    {"(M) HTML Heading5", "(f) HTML Heading5"},
    {"(M) HTML Heading6", "(f) HTML Heading6"},
    {"(M) HTML Preformatted", "(f) HTML Preformatted"},
    {"(M) HTML Cite", "(f) HTML Cite"},
    {"(M) HTML Address", "(f) HTML Cite"},
    {"(M) HTML Hyperlink", "(f) HTML Hyperlink"},
    {"(M) HTML Code", "(f) HTML Preformatted"},
    {"(M) HTML Keyboard", "(f) HTML Keyboard"},
    {"(M) HTML Typewriter", "(f) HTML Preformatted"},
    {"(M) HTML Sample", "(f) HTML Sample"},
    {"(M) HTML Variable", "(f) HTML Cite"}};
