// Fields: the base's stored common part, assignment, comparison and
// copies, and the field kinds' texts and stored forms.
#include "tests/support/zt_gtest.h"
#include "tests/support/archive_bytes.h"
#include "tests/support/fixed_clock.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GCaption.h"
#include "model/field_factory.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"
#include "model/GDocTitle.h"
#include "document/CWDocument.h"
#include <climits>
#include <string>

namespace {

// ---- The base

TEST(FieldBaseTest, DestroyingANullFieldDoesNothing)
{
    GField::Destroy(NULL);
    GField* field = new GField(NULL, 3);
    GField::Destroy(field);
}

// The common part is the kind byte and the position; the reader takes the
// position only, as the flow's reader has consumed the kind byte.
TEST(FieldBaseTest, TheStoredCommonPartIsTheKindByteAndThePosition)
{
    GField field(NULL, 0x01020304);
    field.m_nKind = kFieldPageNum;
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { field.SaveZVW(ar); });
    EXPECT_EQ(Bytes({3, 4, 3, 2, 1}), bytes);

    GField read;
    EXPECT_EQ(0u, LoadFromBytes(Bytes(bytes.begin() + 1, bytes.end()), [&](CArchive& ar) { read.OpenZVW(ar); }));
    EXPECT_EQ(0x01020304, read.m_nPos);
    EXPECT_EQ(0, read.m_nKind);
}

TEST(FieldBaseTest, AssignmentCopiesAllFourMembersAndEqualityAsksForTheSameClass)
{
    GDoc flow(NULL, 7);
    GField source(&flow, 9);
    source.m_nKind = kFieldImage;
    GField copy(source);
    EXPECT_EQ(&source, copy.m_pSource);

    GField target;
    EXPECT_FALSE(target == copy);
    GField& asBase = target;
    asBase = copy;
    EXPECT_EQ(&flow, target.m_pDoc);
    EXPECT_EQ(kFieldImage, target.m_nKind);
    EXPECT_EQ(9, target.m_nPos);
    EXPECT_EQ(&source, target.m_pSource);
    EXPECT_TRUE(target == copy);

    target.m_nPos = 10;
    EXPECT_FALSE(target == copy);

    // A caption with the same base members is another class.
    GCaption caption(&flow, 9, kMarkArabic, kCaptionBefore, NULL);
    caption.m_nKind = kFieldImage;
    caption.m_pSource = &source;
    EXPECT_FALSE(copy == caption);
    EXPECT_FALSE(caption == copy);
}

// The base answers itself; CopyField still makes the independent copy that
// undo records and pastes keep.
TEST(FieldBaseTest, TheBaseCopyIsTheObjectItselfAndCopyFieldMakesANewOne)
{
    GField field(NULL, 4);
    field.m_nKind = kFieldImage;
    EXPECT_EQ(&field, field.CreateCopy());
    GField* copy = GField::CopyField(&field);
    ASSERT_NE(&field, copy);
    EXPECT_EQ(4, copy->m_nPos);
    EXPECT_EQ(kFieldImage, copy->m_nKind);
    EXPECT_EQ(&field, copy->m_pSource);
    copy->Destroy();
    EXPECT_EQ(NULL, GField::CopyField(NULL));
}

// The reader's factory: kinds with a record are made (owner given, position
// 0), kinds that are their byte alone are not.
TEST(FieldBaseTest, TheFactoryMakesEveryKindWithARecordAndNothingElse)
{
    GDoc flow(NULL, 7);
    for (int kind = 0; kind < 256; ++kind)
    {
        SCOPED_TRACE(kind);
        GField* field = NewFieldOfKind((BYTE)kind, &flow);
        const bool hasRecord = kind == kFieldOle || kind == kFieldDateTime || kind == kFieldPageNum ||
                               kind == kFieldList || kind == kFieldDocTitle || kind == kFieldImage ||
                               kind == kFieldFootNote || kind == kFieldCaption || kind == kFieldCell;
        ASSERT_EQ(hasRecord, field != NULL);
        if (!field)
            continue;
        EXPECT_EQ(kind, field->m_nKind);
        EXPECT_EQ(&flow, field->m_pDoc);
        EXPECT_EQ(0, field->m_nPos);
        field->Destroy();
    }
}

// ---- Date and time

std::string DateTimeText(WORD dateFormat, BYTE showDate, WORD timeFormat, BYTE showTime, BYTE weekday = 0)
{
    GDateTime field(NULL, 0);
    field.m_date = {dateFormat, showDate, 0};
    field.m_time = {timeFormat, showTime, 0};
    field.m_nWeekday = weekday;
    field.Update();
    return field.AsText(1);
}

TEST(DateTimeFieldTest, EveryDateLayout)
{
    FixedClock clock(2026, 3, 9, 14, 5, 7);
    const char* expected[kDateFormatCount] = {
        "03/09/26",     "03/09/2026",    "09/03/26",       "09/03/2026",     "26/03/09",
        "2026/03/09",   "09-Mar-26",     "9 Mar, 2026",    "Mar 9, 2026",    "March 9, 2026",
        "9 March, 2026", "03/2026",      "Mar'26",         "March, 2026",
    };
    for (WORD format = 0; format < kDateFormatCount; ++format)
        EXPECT_EQ(expected[format], DateTimeText(format, 1, 0, 0)) << "date layout " << format;
    EXPECT_EQ("", DateTimeText(kDateFormatCount, 1, 0, 0)) << "a layout that does not exist";
}

TEST(DateTimeFieldTest, EveryTimeLayoutAtNoonMidnightAndAfternoon)
{
    struct Case { int hour; const char* expected[kTimeFormatCount]; } cases[] = {
        { 0, {"12:05 AM", "12:05:07 AM", "00:05", "00:05:07"} },
        { 12, {"12:05 PM", "12:05:07 PM", "12:05", "12:05:07"} },
        { 14, {"02:05 PM", "02:05:07 PM", "14:05", "14:05:07"} },
    };
    for (const Case& c : cases)
    {
        FixedClock clock(2026, 3, 9, c.hour, 5, 7);
        for (WORD format = 0; format < kTimeFormatCount; ++format)
            EXPECT_EQ(c.expected[format], DateTimeText(0, 0, format, 1)) << c.hour << " h, layout " << format;
        EXPECT_EQ("", DateTimeText(0, 0, kTimeFormatCount, 1)) << "a layout that does not exist";
    }
}

// The weekday goes only with the date; a comma joins date and time.
TEST(DateTimeFieldTest, WeekdaysAndShownParts)
{
    FixedClock clock(2026, 3, 9, 14, 5, 7);   // a Monday
    struct Case { BYTE weekday; BYTE date; BYTE time; const char* expected; } cases[] = {
        { kWeekdayNone, 1, 0, "03/09/26" },
        { kWeekdayFull, 1, 0, "Monday, 03/09/26" },
        { kWeekdayShort, 1, 0, "Mon, 03/09/26" },
        { kWeekdayFull, 0, 1, "02:05 PM" },
        { kWeekdayNone, 1, 1, "03/09/26, 02:05 PM" },
        { kWeekdayFull, 0, 0, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DateTimeText(0, c.date, 0, c.time, c.weekday))
            << (int)c.weekday << " " << (int)c.date << " " << (int)c.time;
}

// The longest text of all layouts fits the field's text whole.
TEST(DateTimeFieldTest, TheLongestTextFits)
{
    FixedClock clock(2026, 9, 30, 12, 0, 0);   // a Wednesday in September
    const std::string text = DateTimeText(9, 1, 1, 1, kWeekdayFull);
    EXPECT_EQ("Wednesday, September 30, 2026, 12:00:00 PM", text);
    EXPECT_LT(text.size(), (size_t)kDateTimeTextSize);
}

TEST(DateTimeFieldTest, FieldsBuiltInOneSecondAreEqualWhateverTheyShow)
{
    FixedClock clock(2026, 3, 9, 14, 5, 7);
    GDateTime a(NULL, 0), b(NULL, 0);
    b.m_date = {9, 1, 0};
    b.m_nWeekday = kWeekdayFull;
    b.Update();
    EXPECT_TRUE(a == b);
    FixedClock::Advance(1);
    b.Update();
    EXPECT_FALSE(a == b);

    // Assignment takes settings, time and text; the base part stays.
    GDoc flow(NULL, 7);
    GDateTime target(&flow, 12);
    GField& asBase = target;
    asBase = b;
    EXPECT_TRUE(target == b);
    EXPECT_STREQ(b.AsText(1), target.AsText(1));
    EXPECT_EQ(&flow, target.m_pDoc);
    EXPECT_EQ(12, target.m_nPos);

    // A copy is its own object, built anew.
    GField* copy = b.CreateCopy();
    ASSERT_NE(copy, &b);
    EXPECT_STREQ(b.AsText(1), copy->AsText(1));
    copy->Destroy();
}

// ---- Page numbers

// A flow of the given number of pages, as layout leaves it: one page
// record per page and the closing one.
void SetPageCount(GDoc& flow, long pages)
{
    flow.m_pages.Flush();
    for (long i = 0; i <= pages; ++i)
        flow.m_pages.Add(GPage());
}

std::string PageNumText(GDoc& flow, BYTE format, long start, long page)
{
    GPageNum field(&flow, 0, format, start);
    return field.AsText(page);
}

TEST(PageNumFieldTest, EveryLayoutOnTheFirstTwoOfThreePages)
{
    GDoc flow(NULL, 0);
    SetPageCount(flow, 3);
    struct Case { long start; const char* onPage1[kPageNumFormatCount]; const char* onPage2[kPageNumFormatCount]; };
    const Case cases[] = {
        { 1, {"1", "-1-", "Page 1", "Page: 1", "1/3", "1 of 3", "Page: 1/3", "Page: 1 of 3", "3", "3 Pages"},
             {"2", "-2-", "Page 2", "Page: 2", "2/3", "2 of 3", "Page: 2/3", "Page: 2 of 3", "3", "3 Pages"} },
        { 5, {"5", "-5-", "Page 5", "Page: 5", "5/7", "5 of 7", "Page: 5/7", "Page: 5 of 7", "7", "7 Pages"},
             {"6", "-6-", "Page 6", "Page: 6", "6/7", "6 of 7", "Page: 6/7", "Page: 6 of 7", "7", "7 Pages"} },
    };
    for (const Case& c : cases)
        for (BYTE format = 0; format < kPageNumFormatCount; ++format)
        {
            EXPECT_EQ(c.onPage1[format], PageNumText(flow, format, c.start, 1)) << c.start << ", " << (int)format;
            EXPECT_EQ(c.onPage2[format], PageNumText(flow, format, c.start, 2)) << c.start << ", " << (int)format;
        }
}

// The page count is the body's: a field in a header counts the body's
// pages, not its own flow's.
TEST(PageNumFieldTest, TheLastPageIsTheBodysAndMayHaveFiveDigits)
{
    CWDocument doc;
    GDoc* body = new GDoc(&doc, 0);
    GDoc* header = new GDoc(&doc, 2);
    doc.m_flows.Add(body);
    doc.m_flows.Add(header);
    SetPageCount(*body, 12345);
    SetPageCount(*header, 1);
    EXPECT_EQ("Page: 2 of 12345", PageNumText(*header, 7, 1, 2));
    EXPECT_EQ("12345 Pages", PageNumText(*header, 9, 1, 1));
}

// Numbers are signed: a start below 1 reads as a negative number, never
// as a wrapped-around huge one, and the longest text still fits.
TEST(PageNumFieldTest, NumbersBelowOneAreNegative)
{
    GDoc flow(NULL, 0);
    SetPageCount(flow, 3);
    EXPECT_EQ("-2", PageNumText(flow, 0, -2, 1));
    EXPECT_EQ("-1 of 0", PageNumText(flow, 5, -2, 2));
    const std::string longest = PageNumText(flow, 7, INT_MIN, 1);
    EXPECT_EQ("Page: -2147483648 of -2147483646", longest);
    EXPECT_LT(longest.size(), (size_t)kPageNumTextSize);
}

TEST(PageNumFieldTest, AFormatBeyondTheLayoutsKeepsTheLastText)
{
    GDoc flow(NULL, 0);
    SetPageCount(flow, 3);
    GPageNum field(&flow, 0, 2, 1);
    EXPECT_STREQ("Page 2", field.AsText(2));
    field.m_nFormat = kPageNumFormatCount;
    EXPECT_STREQ("Page 2", field.AsText(3));
}

TEST(PageNumFieldTest, AssignmentAndEqualityTakeTheWholeField)
{
    GDoc flow(NULL, 0);
    SetPageCount(flow, 3);
    GPageNum a(&flow, 4, 5, 1);
    a.AsText(1);
    GPageNum b(&flow, 9, 2, 3);
    EXPECT_FALSE(a == b);
    GField& asBase = b;
    asBase = a;
    EXPECT_EQ(4, b.m_nPos);
    EXPECT_EQ(5, b.m_nFormat);
    EXPECT_EQ(1, b.m_nStart);
    EXPECT_STREQ("1 of 3", b.m_szText);
    EXPECT_TRUE(a == b);
    b.AsText(2);
    EXPECT_FALSE(a == b) << "the texts differ";
}

// ---- Titles

// The title shown is fetched when asked for; it is not what makes two
// title fields equal.
TEST(DocTitleFieldTest, EqualityAsksForBasePartAndCodeOnly)
{
    GDoc flow(NULL, 0);
    GDocTitle a(&flow, 3, 1);
    EXPECT_STREQ("", a.AsText(1)) << "a flow outside a document has no title";
    GDocTitle b(&flow, 3, 1);
    b.m_strTitle = "Old title";
    EXPECT_TRUE(a == b);
    GDocTitle c(&flow, 3, 2);
    EXPECT_FALSE(a == c);

    GField& asBase = c;
    asBase = b;
    EXPECT_EQ(1, c.m_nCode);
    EXPECT_EQ(CString("Old title"), c.m_strTitle);
    GField* copy = b.CreateCopy();
    ASSERT_NE(copy, &b);
    EXPECT_EQ(1, ((GDocTitle*)copy)->m_nCode);
    EXPECT_EQ(CString(""), ((GDocTitle*)copy)->m_strTitle) << "a copy fetches its title when shown";
    copy->Destroy();
}

} // namespace
