// Damaged DOS documents: cut anywhere, without form feeds, with huge
// numbers, overlong lines and more fields, names and stops than there is
// room for. None may crash or hang; what can be read is read.
#include "tests/convert/dos_test_support.h"

using namespace dos_test;

namespace {

class DosDamaged : public DosFixture
{
protected:
    void OpenEach(const std::vector<std::pair<std::string, std::string>>& cases)
    {
        for (const auto& c : cases)
        {
            SCOPED_TRACE(c.first);
            doc.reset((CWDocument*)tpl.CreateNewDocument());
            Open(c.second);
            const GDoc& body = Body();
            ASSERT_GE(body.m_chars.count, 3);
            EXPECT_EQ((BYTE)body.m_chars[body.m_chars.count - 1], 0);
        }
    }
};

TEST_F(DosDamaged, ACutFileNeverCrashes)
{
    const std::string whole = EveryPart().Bytes();
    std::vector<std::pair<std::string, std::string>> cases;
    for (size_t cut = 0; cut < whole.size(); cut += 7)
        cases.push_back({"cut at " + std::to_string(cut), whole.substr(0, cut)});
    OpenEach(cases);
}

TEST_F(DosDamaged, OverlongAndOversizedPartsStopAtTheirRoom)
{
    std::string manyFields;
    for (int i = 0; i < 300; ++i)
        manyFields += std::string(1, kField) + " ";
    std::string manyNames;
    DosDocument names;
    names.body = "x\n";
    for (int i = 0; i < 60; ++i)
        names.settings.push_back(Cell(0, i, "#name" + std::to_string(i) + "=1"));
    DosDocument noFormFeed = EveryPart();
    noFormFeed.formFeeds = false;
    DosDocument huge;
    huge.body = std::string("a") + kField + "\n";
    huge.settings = {"RaC99999999999999999999\tx=1", Setting(12, "tabs=", "99999999999999 1"),
                     "R99999999999999999C99999999999999999\tbig=1", Cell(0, 0, std::string(5000, 'n') + "=" +
                                                                                      std::string(5000, 'c')),
                     Setting(13, "pghead0=", "'" + std::string(3000, 'h'))};
    huge.formats = {Cell(0, 0, std::string(4000, '9')), Cell(0, 0, "D"), Cell(0, 0, "Dl"), "R5C"};
    DosDocument endsInD;
    endsInD.body = std::string(1, kField) + "\n";
    endsInD.settings = {Cell(0, 0, "x=1")};
    endsInD.formats = {Cell(0, 0, "$D")};
    std::string tabs;
    for (int i = 0; i < 20; ++i)
        tabs += std::to_string(20 - i) + " ";
    DosDocument twentyTabs;
    twentyTabs.body = "a\tb\n";
    twentyTabs.settings = {Setting(12, "tabs=", tabs), Setting(35, "dtabs=", tabs)};
    OpenEach({
        {"no form feed", noFormFeed.Bytes()},
        {"only the header line", kHeaderLine},
        {"nothing", ""},
        {"huge numbers", huge.Bytes()},
        {"300 fields on a line", std::string(kHeaderLine) + manyFields + "\n\x0C\n\x0C\n"},
        {"60 named cells", names.Bytes()},
        {"a format ending in D", endsInD.Bytes()},
        {"20 tab columns", twentyTabs.Bytes()},
        {"skip at the very end", std::string(kHeaderLine) + "a" + kSkipNext},
        {"indent mark alone", std::string(kHeaderLine) + kIndent + kSoftLineEnd},
    });
}

// A line longer than the text buffer arrives whole.
TEST_F(DosDamaged, ALineLongerThanTheBufferArrivesWhole)
{
    std::string line;
    for (int i = 0; i < 20000; ++i)
        line += (char)('a' + i % 26);
    DosDocument d;
    d.body = line + "\n";
    ASSERT_TRUE(Open(d));
    EXPECT_EQ(FlowText(Body()), line + "\r");
}

} // namespace
