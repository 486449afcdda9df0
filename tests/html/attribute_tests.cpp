// Attributes of tags: the records they fill, the errors of malformed pairs,
// FONT sizes within and across reads, and colour values.
#include "tests/html/html_test_support.h"

using namespace html_test;

namespace {

// Reads html and keeps a copy of what onTag is given for each event.
template <class T>
struct CRecords
{
    explicit CRecords(const std::string& html) : file(html), reader(file.Path())
    {
        reader.onTag = [this](const TAGTABLE& tag, PROP* record, const STYLEPROP&) {
            names.push_back(tag.name);
            T* typed = dynamic_cast<T*>(record);
            present.push_back(record != nullptr);
            records.push_back(typed ? *typed : T());
        };
        read = reader.Go();
    }
    // The record of the first event of that tag.
    const T& Of(const char* name) const
    {
        for (size_t i = 0; i < names.size(); i++)
            if (names[i] == name)
                return records[i];
        static T none;
        ADD_FAILURE() << "no " << name;
        return none;
    }
    bool HasRecord(const char* name) const
    {
        for (size_t i = 0; i < names.size(); i++)
            if (names[i] == name)
                return present[i];
        return false;
    }
    CTempFile file;
    CRecordingReader reader;
    BOOL read;
    std::vector<std::string> names;
    std::vector<bool> present;
    std::vector<T> records;
};

} // namespace

TEST(HtmlAttributes, RecordsOfTheTagKinds)
{
    CRecords<ULISTPROP> unordered("<ul compact type=disc>");
    EXPECT_EQ(unordered.Of("UL").m_Compact, 1);
    EXPECT_STREQ(unordered.Of("UL").m_Type, "disc");
    CRecords<OLISTPROP> lists("<ol type=a start=5 compact><ol STARTAT=\"7\">");
    EXPECT_STREQ(lists.Of("OL").m_Type, "a");
    EXPECT_EQ(lists.Of("OL").m_Start, 5);
    EXPECT_EQ(lists.Of("OL").m_Compact, 1);
    EXPECT_EQ(lists.records.back().m_Start, 7);
    EXPECT_TRUE(lists.reader.errors.empty());

    CRecords<IMGPROP> image("<img src=\"a b>c\nd\" width=10 height='20' align=Left>");
    EXPECT_STREQ(image.Of("IMG").m_Src, "a b>c\nd");
    EXPECT_EQ(image.Of("IMG").m_Width, 10);
    EXPECT_EQ(image.Of("IMG").m_Height, 20);
    EXPECT_STREQ(image.Of("IMG").m_Align, "Left");

    CBoxKeepingApp app;   // the sheet is not there: the user is told
    CRecords<LINKPROP> link("<link rel=stylesheet type=text/css href=NoSuchSheet.css>");
    EXPECT_EQ(app.boxes.size(), 1u);
    EXPECT_STREQ(link.Of("LINK").m_Rel, "STYLESHEET");
    EXPECT_STREQ(link.Of("LINK").m_Type, "TEXT/CSS");
    EXPECT_STREQ(link.Of("LINK").m_Href, "NoSuchSheet.css");

    CRecords<LITEMPROP> item("<li value=3 type=i lang=en class=c id=x>");
    EXPECT_EQ(item.Of("LI").m_Value, 3);
    EXPECT_STREQ(item.Of("LI").m_Type, "i");
    EXPECT_STREQ(item.Of("LI").m_Lang, "en");
    EXPECT_STREQ(item.Of("LI").m_Class, "c");
    EXPECT_STREQ(item.Of("LI").m_Id, "x");

    CRecords<BDOPROP> bdo("<bdo dir=rtl><bdo class=a>");
    EXPECT_EQ(bdo.records[0].m_LeftToRight, 0);
    EXPECT_STREQ(bdo.records[1].m_Class, "A");   // every BDO value is upper-cased
    EXPECT_EQ(bdo.records[1].m_LeftToRight, 1);

    CRecords<BODYPROP> body("<body text=red>");
    EXPECT_EQ(body.Of("BODY").m_TextColor, (LONG)RGB(255, 0, 0));
}

TEST(HtmlAttributes, TagsWithoutARecord)
{
    CRecords<PROP> read("<td class=a>1<b>2<span class=s>3<sub class=x>4");
    EXPECT_FALSE(read.HasRecord("TD"));
    EXPECT_FALSE(read.HasRecord("B"));
    EXPECT_TRUE(read.HasRecord("SPAN"));
    EXPECT_STREQ(read.Of("SPAN").m_Class, "s");
    EXPECT_FALSE(read.HasRecord("SUB"));
    EXPECT_TRUE(read.reader.errors.empty());
}

TEST(HtmlAttributes, ASpansStyleIsItsRecordsStyle)
{
    // The form this program's own pages give character formats in.
    CRecords<PROP> read("<body><span style=\"font-weight: bold; color: #FF0000;\">x</span>");
    const PROP& span = read.Of("SPAN");
    EXPECT_EQ(span.m_Style.m_FontWeight, 700);
    EXPECT_EQ(span.m_Style.m_Color, (LONG)RGB(255, 0, 0));
}

TEST(HtmlAttributes, MalformedPairs)
{
    const struct
    {
        const char* what;
        const char* html;
        std::vector<std::string> events;
        std::vector<int> errors;
    } cases[] = {
        {"a blank before '>' is an ordinary error", "<p align=left >a<p>b", {"P:a", "/P:", "P:b"}, {htmlErrFatal}},
        {"blanks around '='", "<p align = left>a", {"P:a"}, {htmlErrSpacesAround, htmlErrSpacesAround}},
        {"a boolean attribute among others", "<p nowrap align=left>a", {"P:a"}, {htmlErrFatal}},
        {"a name the parser does not know", "<p foo=1 align=x>a", {"P:a"}, {htmlErrUnknownParam}},
        {"core attributes are not BASE's", "<base class=a href=x>a", {"BASE:a"}, {htmlErrUnknownParam}},
        {"a BDO direction of neither kind", "<bdo dir=up>a", {"BDO:a"}, {htmlErrUnknownParam}},
        {"a colour name not in the table", "<font color=nosuch>a", {"FONT:a"}, {htmlErrUnknownColor}},
        {"a '#' colour of five characters", "<font color=#F800>a", {"FONT:a"}, {htmlErrParamRange}},
    };
    for (const auto& c : cases)
    {
        CReading reading(c.html);
        EXPECT_EQ(reading.Events(), c.events) << c.what;
        EXPECT_EQ(reading.Errors(), c.errors) << c.what;
    }

    // Answered with abort, the read ends there.
    CTempFile file("<p align=left >a<p>b");
    CRecordingReader aborting(file.Path());
    aborting.AnswerAbort();
    EXPECT_TRUE(aborting.Go());
    EXPECT_TRUE(aborting.events.empty());
    EXPECT_EQ(aborting.errors, (std::vector<int>{htmlErrFatal}));

    CRecords<PARAPROP> kept("<p align=left >a");
    EXPECT_STREQ(kept.Of("P").m_Align, "left");
    CRecords<PARAPROP> after("<p nowrap align=right>a");
    EXPECT_STREQ(after.Of("P").m_Align, "right");
}

TEST(HtmlAttributes, FontSizesCountFromThreeInEveryRead)
{
    for (int read = 0; read < 2; read++)
    {
        CRecords<FONTPROP> relative("<font size=+1>a");
        EXPECT_EQ(relative.Of("FONT").m_Size, 4) << "read " << read;
    }
    CRecords<FONTPROP> based("<basefont size=5><font size=+1>a");
    EXPECT_EQ(based.Of("BASEFONT").m_Size, 5);
    EXPECT_EQ(based.Of("FONT").m_Size, 6);

    // Out of range: error 11, no size, and the sum stays the current size.
    CRecords<FONTPROP> outside("<font size=+9>a<font size=-6>b<font size=-1>c");
    EXPECT_EQ(outside.records[0].m_Size, -1);
    EXPECT_EQ(outside.records[1].m_Size, 6);
    EXPECT_EQ(outside.records[2].m_Size, 5);
    EXPECT_EQ(outside.reader.errors, (std::vector<int>{htmlErrParamRange}));

    CRecords<FONTPROP> face("<font face=\"Times New Roman\" color=#F80 size=2>");
    EXPECT_STREQ(face.Of("FONT").m_Face, "Times New Roman");
    EXPECT_EQ(face.Of("FONT").m_Color, (LONG)RGB(255, 136, 0));
    EXPECT_EQ(face.Of("FONT").m_Size, 2);
}

TEST(HtmlAttributes, ColourValues)
{
    CRecordingReader reader("unused.htm");
    const struct
    {
        const char* value;
        BOOL ok;
        COLORREF colour;
    } cases[] = {
        {"#F80", TRUE, RGB(255, 136, 0)},
        {"#102030", TRUE, RGB(0x10, 0x20, 0x30)},
        {"#1G2030", TRUE, RGB(1, 0x20, 0x30)},   // a digit that is not hexadecimal ends the number
        {"RED", TRUE, RGB(255, 0, 0)},
        {"DEEPSKYBLUE", TRUE, RGB(0, 191, 255)},
        {"LIGHTSLATEGREY", TRUE, RGB(119, 136, 153)},
        {"MEDIUMSPRINGGREEN", TRUE, RGB(0, 250, 154)},
        {"AQUA", TRUE, RGB(0, 255, 255)},
        {"RGB(10, 20,30)", TRUE, RGB(10, 20, 30)},
        {"RGB(300,-5,256)", TRUE, RGB(255, 0, 255)},   // components clamped
        {"RGB(7)", TRUE, RGB(7, 0, 0)},
        {"red", FALSE, 0},
        {"LIGHTGRAY", FALSE, 0},
        {"#12345", FALSE, 0},
    };
    for (const auto& c : cases)
    {
        unsigned long colour = 0;
        EXPECT_EQ(reader.GetColor(c.value, colour), c.ok) << c.value;
        if (c.ok)
        {
            EXPECT_EQ(colour, c.colour) << c.value;
        }
    }
}

TEST(HtmlAttributes, ParserTableIsSortedForItsSearch)
{
    for (int i = 1; i < CHtmlParser::kParamEntryCount; i++)
        EXPECT_LT(CHtmlParser::ParamEntries[i - 1].type, CHtmlParser::ParamEntries[i].type);
    EXPECT_EQ(CHtmlParser::kParamEntryCount, 43);
    EXPECT_EQ(CHtmlParser::ParamEntries[CHtmlParser::kParamEntryCount - 1].type, -227);
    EXPECT_EQ(CHtmlParser::ParamEntries[CHtmlParser::kParamEntryCount - 1].parser, nullptr);
}
