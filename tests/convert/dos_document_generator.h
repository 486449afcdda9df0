// Writes documents of the older DOS product for the tests and the fuzzing
// program: the header line, a body of text and control bytes, the settings
// and cell section, the format section; protected copies of them; and the
// settings file "LIBRARY2.XZT".
#pragma once
#include "convert/dos_password.h"
#include <string>
#include <vector>

namespace dos_test {

const char kHeaderLine[] = "--HDR2.0-- 18 HI;\n";
const char kFormFeed = 12;
const char kSettingsFileName[] = "LIBRARY2.XZT";

// Body control bytes.
const char kBold = 2, kField = 3, kFieldToo = 5, kCentre = 6, kRight = 7, kTabByte = 9, kLineEnd = 10, kIndent = 14,
           kSkipNext = 18, kUnderline = 19, kSuperscript = 20, kSubscript = 22, kItalic = 23;
const char kSoftLineEnd = (char)141;

// "RaC<n>\t<keyword><value>".
inline std::string Setting(int number, const std::string& keyword, const std::string& value)
{
    return "RaC" + std::to_string(number) + "\t" + keyword + value;
}

// "R<row>C<column>\t<text>": a cell line (name=contents) or a format line.
inline std::string Cell(int row, int column, const std::string& text)
{
    return "R" + std::to_string(row) + "C" + std::to_string(column) + "\t" + text;
}

struct DosDocument
{
    std::string body;
    std::vector<std::string> settings;   // settings and cell lines
    std::vector<std::string> formats;
    bool formFeeds = true;

    std::string Bytes() const
    {
        std::string out = kHeaderLine + body;
        if (!formFeeds)
            return out;
        out += kFormFeed;
        out += '\n';
        for (const std::string& line : settings)
            out += line + "\n";
        out += kFormFeed;
        out += '\n';
        for (const std::string& line : formats)
            out += line + "\n";
        return out;
    }
};

// The stored form of a password, as the gate makes it.
inline std::string StoredForm(const std::string& password)
{
    char form[16] = {0};
    password.copy(form, 9);
    DR_encrypt(form);
    return std::string(form);
}

// A protected file of plain (which must hold no carriage return to come
// back unchanged): the mark, the stored form, ";", one byte, the masked
// body, the masked end.
inline std::string Protected(const std::string& plain, const std::string& storedForm)
{
    std::string out = "--PWD--" + storedForm + ";" + "x";
    for (char c : plain)
        out += (char)(c ^ 0x3D);
    out += (char)(26 ^ 0x3D);
    return out;
}

// What the gate's copy of Protected(plain, ...) holds.
inline std::string UnprotectedTwin(const std::string& plain)
{
    return plain + (char)26;
}

// The settings file with a long-date sample and a short-date pattern.
inline std::string SettingsFile(const std::string& longDate, const std::string& shortDate,
                                const std::string& header = "--HDR2.0-- 18 HI;\n")
{
    return header + "R10C0\tcountry='UK'\n" + "R10C1\tlongdate='" + longDate + "'\n" +
           "R11C0\tnumpunc='1,234,567.89'\n" + "R11C1\tshortdate='" + shortDate + "'\n" +
           "R12C0\targsep=','\n" + "R14C0\tsymbol0='x'\n";
}

// A document with every kind of line, for seeds and round trips.
inline DosDocument EveryPart()
{
    DosDocument d;
    d.body = std::string("Plain ") + kBold + "bold" + kBold + " " + kItalic + "it" + kItalic + "\n" + kCentre +
             "centred\n" + "   " + kIndent + "indented" + kSoftLineEnd + "\nmore\n" + "a" + kTabByte + "b\n" +
             "sum " + kField + kField + kField + " and " + kFieldToo + kFieldToo + "\n" + "Hang. hanging\n";
    d.settings = {Setting(12, "tabs=", "4 10"), Setting(35, "dtabs=", "20"), Setting(13, "pghead0=", "'Left"),
                  Setting(14, "pghead1=", "'#pp"), Setting(15, "pghead2=", "'#dd-#mm-#yy"),
                  Setting(16, "pghead3=", "'foot"), Setting(19, "justflag=", "1"), Setting(43, "unknown=", "1"),
                  Cell(5, 0, "TOTAL=+1.5+2"), Cell(5, 1, "#RATE='note")};
    d.formats = {Cell(5, 0, "$2"), Cell(5, 1, "!")};
    return d;
}

} // namespace dos_test
