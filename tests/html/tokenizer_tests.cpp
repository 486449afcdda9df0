// The HTML reader's events: text and white space, character references,
// comments, unknown and broken tags, the end of the file, the report of an
// error, and the tables the reader looks tags, references and colours up in.
#include "tests/html/html_test_support.h"
#include "afxwin.h"

using namespace html_test;
using Events = std::vector<std::string>;

namespace {

struct EventCase
{
    const char* what;
    std::string html;
    Events events;
    std::vector<int> errors;
};

void ExpectEvents(const std::vector<EventCase>& cases)
{
    for (const EventCase& c : cases)
    {
        CReading reading(c.html);
        EXPECT_TRUE(reading.read) << c.what;
        EXPECT_EQ(reading.Events(), c.events) << c.what;
        EXPECT_EQ(reading.Errors(), c.errors) << c.what;
    }
}

} // namespace

TEST(HtmlText, WhiteSpaceReadsAsHtmlReadsIt)
{
    ExpectEvents({
        {"a reference in text", "<p>a&amp;b", {"P:a&b"}, {}},
        {"a lone line feed is white space", "<p>a\nb", {"P:a b"}, {}},
        {"no blank is added where the file has none", "a<b>b</b>.", {"$EOT$:a", "B:b", "/B:."}, {}},
        {"13 10 is one blank", "<p>a\r\nb</p>", {"P:a b", "/P:"}, {}},
        {"a run is one blank, kept at either end", "<p>  a \t\n b  </p>", {"P: a b ", "/P:"}, {}},
        {"leading white space of the file", "\n \r\n<p>x", {"P:x"}, {}},
        {"text before the first tag", "hello <p>x", {"$EOT$:hello ", "P:x"}, {}},
        {"indented PRE keeps blanks and tabs; every line end is 13",
         "<pre>\n  a\tb\n    c\r\n  d\re</pre> x",
         {"PRE:\r  a\tb\r    c\r  d\re", "/PRE: x"},
         {}},
        {"bytes 0 and 1 read as blanks", std::string("<p>a") + '\x01' + "b" + std::string(2, '\0') + "c</p>", {"P:a b c", "/P:"}, {}},
        {"bytes 0 and 1 in PRE are blanks too", std::string("<pre>a") + '\x01' + '\0' + "b", {"PRE:a  b"}, {}},
        {"SCRIPT text is read like any text", "<script>if (a<b) x</script>",
         {"SCRIPT:if (a", "$EOT$:"}, {htmlErrUnknownTag}},
    });
}

TEST(HtmlText, CharacterReferences)
{
    ExpectEvents({
        {"numeric up to 255 is the byte", "<p>&#65;&#233;", {"P:A\xE9"}, {}},
        {"0 and 1 referenced are blanks", "<p>x&#1;y&#0;z&#;w", {"P:x y z w"}, {}},
        {"above 255 without a character in the code page", "<p>&#256;", {"P:?"}, {}},
        {"beyond the 16-bit characters", "<p>&#1114111;&#99999999999;", {"P:??"}, {}},
        {"&nbsp is a plain blank", "<p>a&nbsp;b", {"P:a b"}, {}},
        {"names that stand for nothing", "<p>&THONG;&ccdeil;z", {"P:z"}, {}},
        {"a known name without ';' stays", "<p>&eacute x", {"P:&eacute x"}, {htmlErrCharFormat}},
        {"hexadecimal is not read", "<p>&#x41;", {"P:&#x41;"}, {htmlErrCharFormat}},
        {"a numeric reference without ';' stays as written", "<p>&#233 x", {"P:&#233 x"}, {htmlErrCharFormat}},
        {"THORN is not a name", "<p>&THORN; x", {"P:&THORN; x"}, {htmlErrCharFormat}},
        {"six unknown characters and ';'", "<p>&ABCDEF;x", {"P:&ABCDEF;x"}, {htmlErrUnknownChar}},
        {"names are compared exactly", "<p>&AMP; and more", {"P:&AMP; and more"}, {htmlErrCharFormat}},
        {"an unknown name stops before a tag", "<p>AT&T<b>x", {"P:AT&T", "B:x"}, {htmlErrCharFormat}},
        {"a loose ampersand", "<p>Tom & Jerry show", {"P:Tom & Jerry show"}, {htmlErrCharFormat}},
    });
}

TEST(HtmlText, ReferenceAboveTheByteRangeTakesTheCodePageCharacter)
{
    CReading reading("<p>&#8217;");
    ASSERT_EQ(reading.Events().size(), 1u);
    const std::string& event = reading.Events()[0];
    ASSERT_EQ(event.size(), 3u);
    unsigned char quote = (unsigned char)event[2];
    EXPECT_GE(quote, 32) << "no control code";
    if (GetACP() == 1252)
    {
        EXPECT_EQ(quote, 0x92);
    }
}

TEST(HtmlTags, CommentsUnknownAndBrokenTags)
{
    ExpectEvents({
        {"an empty comment", "<!---->x", {"!--:x"}, {}},
        {"the opener's hyphens close it", "<!-->x", {"!--:x"}, {}},
        {"a comment holding '>' ends at '-->'", "<!-- a > b -- c->d -->x", {"!--:x"}, {}},
        {"a comment across lines", "<!--\n<p>a\n-->x", {"!--:x"}, {}},
        {"an unknown tag", "<foo bar=1>x", {"$EOT$:x"}, {htmlErrUnknownTag}},
        {"'<' and a blank: read on after '>'", "<p>a< b>c</p>", {"P:a", "$EOT$:c", "/P:"}, {htmlErrTagFormat}},
        {"an empty tag", "<p>a<>b", {"P:a", "$EOT$:b"}, {}},
        {"a blank before '>' where attributes were", "<p >a", {"P:a"}, {htmlErrTagFormat}},
        {"names are upper-cased", "<Body><P>x</p></BODY>", {"BODY:", "P:x", "/P:", "/BODY:"}, {}},
        {"DOCTYPE is a tag", "<!DOCTYPE html>\n<p>x", {"!DOCTYPE: ", "P:x"}, {}},
        {"an end tag at the end of the file", "<p>a</p>", {"P:a", "/P:"}, {}},
        {"the boolean name and the '/' of <img .../>", "<img src=x />text<input checked>y",
         {"IMG:text", "INPUT:y"}, {htmlErrFatal}},
        {"empty file", "", {}, {}},
    });
}

TEST(HtmlTags, AnErrorAnsweredWithAbortEndsTheRead)
{
    CTempFile file("<p>a<foo>b<p>c");
    CRecordingReader reader(file.Path());
    reader.AnswerAbort();
    EXPECT_TRUE(reader.Go());
    EXPECT_EQ(reader.events, (Events{"P:a"}));
    EXPECT_EQ(reader.errors, (std::vector<int>{htmlErrUnknownTag}));
}

TEST(HtmlTags, AFileThatCannotBeOpenedIsNotRead)
{
    CRecordingReader reader("C:\\no\\such\\folder\\page.htm");
    EXPECT_FALSE(reader.Go());
    EXPECT_TRUE(reader.events.empty());
    EXPECT_TRUE(reader.errors.empty());
}

namespace {

// The base reader's answer: report, and go on.
class CReportingReader : public CHtmlParser
{
public:
    using CHtmlParser::CHtmlParser;
    void OnTag(const TAGTABLE& tag, CString text, PROP* attributes, STYLEPROP& style) override
    {
        CHtmlParser::OnTag(tag, text, attributes, style);
        events.push_back(std::string(tag.name) + ":" + (LPCSTR)text);
    }
    std::vector<std::string> events;
};

} // namespace

TEST(HtmlTags, TheBaseReaderReportsEachErrorWithFileAndLineAndReadsOn)
{
    CTempFile file("<p>a\n\n<foo>b");
    CBoxKeepingApp app;
    CReportingReader reader(file.Path());
    EXPECT_TRUE(reader.Go());
    EXPECT_EQ(reader.events, (Events{"P:a ", "$EOT$:b"}));
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0], std::string("Error while reading file ") + (LPCSTR)file.Path() +
                                ",\n Line 3 \nHTML tag  not recognized !");
}

TEST(HtmlTables, TagTableRowsAndValues)
{
    EXPECT_STREQ(CHtmlParser::m_TagTable[0].name, "!DOCTYPE");
    EXPECT_EQ(CHtmlParser::m_TagTable[0].type, -399);
    EXPECT_STREQ(CHtmlParser::m_TagTable[kHtmlTagCount].name, "$EOT$");
    EXPECT_EQ(CHtmlParser::m_TagTable[kHtmlTagCount].type, -400);
    int expected = -399;
    for (int i = 0; i < kHtmlTagCount; i++)
    {
        const TAGTABLE& row = CHtmlParser::m_TagTable[i];
        EXPECT_EQ(row.reserved, 0);
        if (strcmp(row.name, "PLAINTEXT") == 0)
        {
            EXPECT_EQ(row.type, -228);
            continue;
        }
        EXPECT_EQ(row.type, expected++) << row.name;
        EXPECT_EQ(CHtmlParser::SearchTag(row.name), i);
    }
    EXPECT_EQ(expected, -228);
    const struct
    {
        const char* name;
        int type;
    } telling[] = {{"A", -398},   {"BODY", -377}, {"/BODY", -376}, {"!--", -361}, {"LINK", -301},
                   {"P", -283},   {"PARAM", -281}, {"PRE", -280},  {"/PRE", -279}, {"STYLE", -260},
                   {"/VAR", -229}};
    for (const auto& t : telling)
        EXPECT_EQ(CHtmlParser::m_TagTable[CHtmlParser::SearchTag(t.name)].type, t.type) << t.name;
    EXPECT_EQ(CHtmlParser::SearchTag("p"), kHtmlTagCount);
    EXPECT_EQ(CHtmlParser::SearchTag("/BR"), kHtmlTagCount);
}

TEST(HtmlTables, ReferenceAndColourTables)
{
    for (int i = 0; i < kSpecialCharNames; i++)
        EXPECT_EQ(CHtmlParser::m_SpecialCharTable[i].code, 400 + i);
    EXPECT_STREQ(CHtmlParser::m_SpecialCharTable[29].name, "&THONG");
    EXPECT_STREQ(CHtmlParser::m_SpecialCharTable[42].name, "&ccdeil");
    EXPECT_EQ(CHtmlParser::m_SpecialCharTable[kSpecialCharNames].code, 468);
    EXPECT_EQ(CHtmlParser::m_SpecialCharTable[4].character, 32);   // &nbsp

    for (int i = 1; i < kHtmlColorCount; i++)
        EXPECT_LT(strcmp(CHtmlParser::m_ColorTable[i - 1].name, CHtmlParser::m_ColorTable[i].name), 0);
    EXPECT_STREQ(CHtmlParser::m_ColorTable[0].name, "ALICEBLUE");
    EXPECT_STREQ(CHtmlParser::m_ColorTable[kHtmlColorCount - 1].name, "YELLOWGREEN");
}
