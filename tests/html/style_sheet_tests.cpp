// Style sheets: declarations, rules and their selectors, the cascade of an
// element's style, linked sheets, and font sizes.
#include "tests/html/html_test_support.h"
#include "html/CStyleSheetManager.h"

using namespace html_test;

namespace {

// The style each event is given, by tag name (the first event of a name).
struct CStyles
{
    explicit CStyles(const std::string& html) : file(html), reader(file.Path())
    {
        reader.onTag = [this](const TAGTABLE& tag, PROP*, const STYLEPROP& style) {
            names.push_back(tag.name);
            styles.push_back(style);
        };
        reader.Go();
    }
    const STYLEPROP& Of(const char* name, int nth = 0) const
    {
        for (size_t i = 0; i < names.size(); i++)
            if (names[i] == name && nth-- == 0)
                return styles[i];
        static STYLEPROP none;
        ADD_FAILURE() << "no " << name;
        return none;
    }
    CTempFile file;
    CRecordingReader reader;
    std::vector<std::string> names;
    std::vector<STYLEPROP> styles;
};

const LONG kRed = RGB(255, 0, 0);
const LONG kGreen = RGB(0, 128, 0);
const LONG kBlue = RGB(0, 0, 255);

} // namespace

TEST(HtmlStyleSheets, DeclarationsTakenOffTheFront)
{
    CStyleSheetManager manager(nullptr);
    const struct
    {
        const char* text;
        const char* name;
        const char* value;
        const char* rest;
    } cases[] = {
        {"color: red; x", "color", "red", " x"},
        {"  font-family : 'Times New Roman', serif ;b:c;", "font-family", "Times New Roman, serif", "b:c;"},
        {"color: red", "color", "", "ed"},   // no ';': no value, one character taken
        {"color\r\n:\tblue;", "color", "blue", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases)
    {
        CString text(c.text), name, value;
        manager.GetPropNameValue(text, name, value);
        EXPECT_STREQ(name, c.name) << c.text;
        EXPECT_STREQ(value, c.value) << c.text;
        EXPECT_STREQ(text, c.rest) << c.text;
    }
}

TEST(HtmlStyleSheets, InlineStyles)
{
    CRecordingReader reader("unused.htm");
    CStyleSheetManager manager(&reader);
    const struct
    {
        const char* text;
        std::function<bool(const STYLEPROP&)> check;
    } cases[] = {
        {"color: red;", [](const STYLEPROP& s) { return s.m_Color == kRed; }},
        {"color: red", [](const STYLEPROP& s) { return s.m_Color == -1; }},
        {"color: rgb(0,0,255); background-color: #0f0;",
         [](const STYLEPROP& s) { return s.m_Color == kBlue && s.m_BackgroundColor == (LONG)RGB(0, 255, 0); }},
        {"color: nosuch;", [](const STYLEPROP& s) { return s.m_Color == -1; }},
        {"font-family: 'Times New Roman', serif;",
         [](const STYLEPROP& s) { return s.m_FontFamily == "Times New Roman, serif"; }},
        {"font-weight: 600;", [](const STYLEPROP& s) { return s.m_FontWeight == 600; }},
        {"font-weight: bolder;", [](const STYLEPROP& s) { return s.m_FontWeight == 400; }},
        {"font-weight: Bold;", [](const STYLEPROP& s) { return s.m_FontWeight == 700; }},
        {"font-weight: heavy;", [](const STYLEPROP& s) { return s.m_FontWeight == 0; }},
        {"font-style: Italic;", [](const STYLEPROP& s) { return s.m_FontStyle == "ITALIC"; }},
        {"font-style: oblique;", [](const STYLEPROP& s) { return s.m_FontStyle.IsEmpty(); }},
        {"font-size: 14pt; text-align: center; text-decoration: underline;",
         [](const STYLEPROP& s) {
             return s.m_FontSize == "14pt" && s.m_TextAlign == "CENTER" && s.m_TextDecoration == "UNDERLINE";
         }},
        {"Color: red;", [](const STYLEPROP& s) { return s.m_Color == -1; }},   // names are lower case
    };
    for (const auto& c : cases)
    {
        PROP record;
        manager.DefineInlineStyle(c.text, &record, true);
        EXPECT_TRUE(c.check(record.m_Style)) << c.text;
    }
}

TEST(HtmlStyleSheets, SelectorsAndTheCascade)
{
    CStyles read("<style>p { color: red; } H1 { color: green; } .note { color: blue; } P.note { color: red; }"
                 " #top { font-size: 18pt; } B { font-weight: 700; color: red; } B { color: blue; }</style>"
                 "<body><p>a</p><h1>b</h1><p class=note>c</p><h2 class=note>d</h2>"
                 "<h1 id=top class=note>e</h1><b>f</b>"
                 "<div style=\"color: red;\"><i>g</i></div><span>h</span></body>");
    EXPECT_EQ(read.Of("P").m_Color, -1) << "lower-case tag selectors match nothing";
    EXPECT_EQ(read.Of("H1").m_Color, kGreen);
    EXPECT_EQ(read.Of("P", 1).m_Color, kBlue) << ".note matches CLASS note";
    EXPECT_EQ(read.Of("H2").m_Color, kBlue);
    EXPECT_EQ(read.Of("H1", 1).m_FontSize, "18pt");
    EXPECT_EQ(read.Of("H1", 1).m_Color, -1) << "only the id rule counts";
    EXPECT_EQ(read.Of("B").m_Color, kBlue) << "the later rule of a STYLE element";
    EXPECT_EQ(read.Of("B").m_FontWeight, -1) << "only one rule counts";
    EXPECT_EQ(read.Of("I").m_Color, kRed) << "inherited from the parent";
    EXPECT_EQ(read.Of("SPAN").m_Color, -1) << "the parent's style ends with it";
}

TEST(HtmlStyleSheets, AnElementsStyleEndsWithItsEndTag)
{
    // Comments, unknown tags and tags without an end tag inside an element
    // leave nothing on the stack for its end tag to take off in its place.
    CStyles read("<body><b style=\"color: red;\">x<!-- c --><o:p></o:p><col><!doctype>y</b>z</body>");
    EXPECT_EQ(read.Of("!--").m_Color, kRed);
    EXPECT_EQ(read.Of("/B").m_Color, -1);
}

TEST(HtmlStyleSheets, AStyleAttributeAfterAnIdBecomesTheIdsRule)
{
    CStyles after("<body><p id=x style=\"color: red;\">a</p><p id=x>b</p></body>");
    EXPECT_EQ(after.Of("P", 1).m_Color, kRed);
    CStyles before("<body><p style=\"color: red;\" id=x>a</p><p id=x>b</p></body>");
    EXPECT_EQ(before.Of("P").m_Color, kRed);
    EXPECT_EQ(before.Of("P", 1).m_Color, -1);
}

TEST(HtmlStyleSheets, RulesInACommentWithinStyle)
{
    CStyles read("<style><!--\nH1 { color: red; }\n--> H2 { color: blue; } <!-- H3 {color: green;} --></style>"
                 "<!-- H4 { color: red; } --><body><h1>a</h1><h2>b</h2><h3>c</h3><h4>d</h4>");
    EXPECT_EQ(read.Of("H1").m_Color, kRed);
    EXPECT_EQ(read.Of("H2").m_Color, kBlue);
    EXPECT_EQ(read.Of("H3").m_Color, kGreen);
    EXPECT_EQ(read.Of("H4").m_Color, -1) << "a comment outside STYLE holds no rules";
}

TEST(HtmlStyleSheets, StyleTextWithoutItsBracesEndsTheReading)
{
    CStyles open("<style>H1 {color: red;} H2 color: blue;</style><body><h1>a</h1><h2>b</h2>");
    EXPECT_EQ(open.Of("H1").m_Color, kRed);
    EXPECT_EQ(open.Of("H2").m_Color, -1);
    CStyles unclosed("<style>H1 {color: red;} H2 {color: blue;</style><body><h1>a</h1><h2>b</h2>");
    EXPECT_EQ(unclosed.Of("H1").m_Color, kRed);
    EXPECT_EQ(unclosed.Of("H2").m_Color, -1);
}

TEST(HtmlStyleSheets, ALinkedSheetLosesToAStyleRule)
{
    CTempFile sheet("P { color: red; }\r\nH1\r\n{ color: green; }\r\n.x { color: red; }", ".css");
    CStyles read(std::string("<link rel=stylesheet type=text/css href=\"") + (LPCSTR)sheet.Path() +
                 "\"><style>P { color: blue; }</style><body><p>a</p><h1>b</h1></body>");
    EXPECT_EQ(read.Of("P").m_Color, kBlue);
    EXPECT_EQ(read.Of("H1").m_Color, kGreen);
}

TEST(HtmlStyleSheets, ALinkedSheetThatCannotBeOpenedIsReportedAndTheReadGoesOn)
{
    CBoxKeepingApp app;
    CStyles read("<link rel=stylesheet type=text/css href=\"C:\\no\\such.css\"><body><p>a</p>");
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].find("The style sheet file could not be opened because of this error: "), 0u);
    EXPECT_EQ(read.names, (std::vector<std::string>{"LINK", "BODY", "P", "/P"}));
}

TEST(HtmlStyleSheets, TheStack)
{
    CStyleSheetManager manager(nullptr);
    PROP* base = manager.Top();
    manager.Pop();   // only the base entry: nothing happens
    EXPECT_EQ(manager.Top(), base);

    PROP element;
    element.m_Style.m_Color = kRed;
    manager.Push(manager.Merge(manager.Top(), &element, CHtmlParser::TagRow(tagP)));
    EXPECT_EQ(manager.Top()->m_Style.m_Color, kRed);
    manager.Push(manager.Merge(manager.Top(), nullptr, CHtmlParser::TagRow(tagB)));
    EXPECT_EQ(manager.Top()->m_Style.m_Color, kRed);
    manager.Pop();
    manager.Pop();
    manager.Pop();
    EXPECT_EQ(manager.Top(), base);

    // Stray end tags in a file pop no further than the base entry.
    CStyles read("<body></b></i></b><p style=\"color: red;\">a</p>");
    EXPECT_EQ(read.Of("P").m_Color, kRed);
}

TEST(HtmlStyleSheets, FontSizes)
{
    const struct
    {
        const char* text;
        int htmlSize;
        int tenths;
    } cases[] = {
        {"10pt", -1, 35},   {"12pt", -1, 42},   {"12.7pt", -1, 42},  {" +24pt", -1, 85},
        {"2cm", -1, 200},   {"1in", -1, 254},   {"medium", -1, 49},  {"xx-large", -1, 127},
        {"Medium", -1, -1}, {"120%", -1, -1},   {"16px", -1, -1},    {"", -1, -1},
        {"", 3, 42},        {"10pt", 1, 28},    {"", 7, 127},        {"", 8, -1},
        {"", 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetFontSize(c.text, c.htmlSize), c.tenths) << "\"" << c.text << "\" " << c.htmlSize;
}

TEST(HtmlStyleSheets, RecordsStartUnsetAndOnlySetFieldsAreLaidOver)
{
    STYLEPROP fresh;
    EXPECT_EQ(fresh.m_Color, -1);
    EXPECT_EQ(fresh.m_FontWeight, -1);
    EXPECT_EQ(fresh.m_ReservedByte, 0xFF);
    EXPECT_TRUE(fresh.m_FontFamily.IsEmpty());

    PROP element;
    element.m_Class = "c";
    element.m_Style.m_BackgroundColor = kBlue;
    element.SetDefaultState();
    EXPECT_TRUE(element.m_Class.IsEmpty());
    EXPECT_STREQ(element.m_Style.m_TextAlign, "left");
    EXPECT_STREQ(element.m_Style.m_FontFamily, "Verdana");
    EXPECT_STREQ(element.m_Style.m_FontSize, "12pt");
    EXPECT_EQ(element.m_Style.m_FontWeight, 400);
    EXPECT_EQ(element.m_Style.m_Color, 0);
    EXPECT_EQ(element.m_Style.m_BackgroundColor, kBlue) << "left as it was";

    STYLEPROP from, to = element.m_Style;
    from.m_Color = kRed;
    from.m_TextDecoration = "UNDERLINE";
    from.m_ReservedByte = 7;
    CStyleSheetManager::UpgradeStyle(from, to);
    EXPECT_EQ(to.m_Color, kRed);
    EXPECT_STREQ(to.m_TextDecoration, "UNDERLINE");
    EXPECT_EQ(to.m_ReservedByte, 7);
    EXPECT_STREQ(to.m_FontFamily, "Verdana");
    EXPECT_EQ(to.m_FontWeight, 400);
}
