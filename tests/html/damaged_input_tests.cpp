// Damaged and outsized input: every read ends, without a crash, having
// delivered what it read before the damage; a hang is caught by the test's
// time limit.
#include "tests/html/html_test_support.h"
#include <random>

using namespace html_test;
using Events = std::vector<std::string>;

TEST(HtmlDamagedInput, ACutFileEndsWithWhatWasDeliveredSoFar)
{
    const struct
    {
        const char* what;
        const char* html;
        Events events;
    } cases[] = {
        {"inside a tag name", "<p>a</p><bl", {"P:a", "/P:"}},
        {"inside an attribute name", "<p>a<p ali", {"P:a"}},
        {"inside an attribute value", "<p>a<p align=le", {"P:a"}},
        {"inside a quoted value", "<p>a<img src=\"abc>def", {"P:a"}},
        {"inside a comment", "<p>a<!-- never -- ends >", {"P:a"}},
        {"inside a reference name", "<p>a<b>x&eac", {"P:a", "B:x&eac"}},
        {"inside a numeric reference", "<p>a&#23", {"P:a&#23"}},
        {"right after a known name", "<p>a&amp", {"P:a&amp"}},
        {"right after '<'", "<p>a<", {"P:a"}},
        {"after a tag's '>'", "<p>", {"P:"}},
    };
    for (const auto& c : cases)
    {
        CReading reading(c.html);
        EXPECT_TRUE(reading.read) << c.what;
        EXPECT_EQ(reading.Events(), c.events) << c.what;
    }
}

TEST(HtmlDamagedInput, OutsizedInputIsReadWhole)
{
    const size_t kBig = 2 * 1024 * 1024;

    CReading value("<p title=\"" + std::string(kBig, 'v') + "\" align=\"" + std::string(kBig, 'w') + "\">b");
    EXPECT_EQ(value.Events(), (Events{"P:b"}));
    EXPECT_EQ(value.Errors(), (std::vector<int>{htmlErrUnknownParam}));

    std::string rules;
    while (rules.size() < kBig)
        rules += ".c" + std::to_string(rules.size()) + " { color: red; font-size: 10pt; } ";
    CTempFile sheet("<style>" + rules + "H1 { color: #00FF00; }</style><body><h1>x</h1><p class=c0>y");
    CRecordingReader styled(sheet.Path());
    std::vector<LONG> colours;
    styled.onTag = [&](const TAGTABLE&, PROP*, const STYLEPROP& style) { colours.push_back(style.m_Color); };
    EXPECT_TRUE(styled.Go());
    ASSERT_EQ(colours.size(), 6u);   // STYLE, /STYLE, BODY, H1, /H1, P
    EXPECT_EQ(colours[3], (LONG)RGB(0, 255, 0));
    EXPECT_EQ(colours[5], (LONG)RGB(255, 0, 0));

    const size_t kText = 3 * 1024 * 1024;
    std::string text(kText, 'a');
    for (size_t i = 100; i < kText; i += 100)
        text[i] = '\n';
    CReading plain(text);
    ASSERT_EQ(plain.Events().size(), 1u);
    EXPECT_EQ(plain.Events()[0].size(), std::string("$EOT$:").size() + kText);
}

TEST(HtmlDamagedInput, DeeplyNestedElements)
{
    const int kDepth = 100000;
    std::string html = "<body>";
    for (int i = 0; i < kDepth; i++)
        html += i % 2 ? "<div class=a>" : "<span style=\"color: red;\">";
    html += "x";
    for (int i = 0; i < kDepth; i++)
        html += i % 2 ? "</span>" : "</div>";
    html += "<p>y";
    CTempFile file(html);
    CRecordingReader reader(file.Path());
    LONG last = 0;
    reader.onTag = [&](const TAGTABLE&, PROP*, const STYLEPROP& style) { last = style.m_Color; };
    EXPECT_TRUE(reader.Go());
    EXPECT_EQ(reader.events.size(), 2u * kDepth + 2);
    EXPECT_EQ(reader.events[kDepth], "DIV:x");
    EXPECT_EQ(last, -1) << "every element closed, the paragraph has the body's style";
}

TEST(HtmlDamagedInput, RandomBytes)
{
    std::mt19937 random(39);
    for (int round = 0; round < 20; round++)
    {
        std::string bytes(64 * 1024, '\0');
        // Mostly markup characters, so that tags, references and comments
        // are cut and mixed in every way.
        const char markup[] = "<>&#;=\"'/!- \n\rpPbBa1";
        for (char& c : bytes)
            c = random() % 3 ? markup[random() % (sizeof(markup) - 1)] : (char)random();
        CReading reading(bytes);
        EXPECT_TRUE(reading.read) << round;
    }
}
