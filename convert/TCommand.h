// The records of the intermediate conversion file: TCommand (a name),
// TCommandArg (a name and its arguments, each ended by US) and
// TCommandsICF (a record with a list of records written in order). The
// translators build them when exporting and read them when importing.
#pragma once
#include "convert/TBuffICF.h"
#include <cstdint>
#include <vector>

class TIntermediateFile;
class CWDocument;

// The conversion codes of GetArg and SetArg.
enum
{
    kIcfHex = 0,       // two hex digits
    kIcfText = 1,
    kIcfDecimal = 2,
    kIcfNumber = 3,    // decimal as well
    kIcfTenthMm = 4,   // lengths in 0.1 mm (twips on the file)
    kIcfPitch = 5,     // 2400 / v
    kIcfTenthInch = 6, // 144 twips
    kIcfLine = 7,      // 240 twips
    kIcfHex4 = 8       // four hex digits
};

// An argument longer than this is cut when read.
const int kMostArgLength = 99;

class TCommand
{
public:
    // The first three characters after a leading ESC GS, else the first
    // three; a shorter name is nul-padded.
    explicit TCommand(const char* text = "");
    virtual ~TCommand() = default;

    virtual void out_icf(TIntermediateFile& file);
    static void out_icf_begin(TIntermediateFile& file);
    static void out_icf_end(TIntermediateFile& file);

    const char* Name() const { return m_name; }
    bool Is(const char* name) const;

protected:
    char m_name[4];
};

class TCommandArg : public TCommand
{
public:
    // From a record's text; arguments follow the name.
    explicit TCommandArg(const char* text = "");
    TCommandArg(const char* text, long length);

    void out_icf(TIntermediateFile& file) override;
    bool operator==(const TCommandArg& other) const;

    int GetCountArg() const;
    void SetTheCountArg(int n);
    // 0 when i is below 1 or above the count; else 1 with the argument
    // converted (see the conversion codes). out is a char[kMostArgLength + 1]
    // for outType 1, else an int32_t.
    int GetArg(int i, void* out, int outType, int inType) const;
    // Convenience forms of GetArg.
    int GetNum(int i, int32_t& out, int outType = kIcfNumber, int inType = kIcfDecimal) const;
    int GetText(int i, char* out) const { return GetArg(i, out, kIcfText, kIcfText); }
    // 0 when i is out of range; else the argument replaced by the value
    // converted by valType and formatted by outType.
    int SetArg(int i, long value, int valType, int outType);
    int SetArg(int i, const char* text);
    // Appends one argument (text, or a number as SetArg formats it).
    void AddArg(const char* text);
    void AddNum(long value, int valType = kIcfNumber, int outType = kIcfNumber);

    const TBuffICF& Args() const { return m_args; }

protected:
    // Bounds of argument i: [begin, end) before its US; false when absent.
    bool ArgBounds(int i, long& begin, long& end) const;
    TBuffICF m_args;
};

class TCommandsICF : public TCommandArg
{
public:
    TCommandsICF(CWDocument* doc, const char* text);
    // Writes every record of the list in order.
    void Out(TIntermediateFile& file);
    void Clear() { m_list.clear(); }
    TCommandArg& Append(const char* name);
    const std::vector<TCommandArg>& List() const { return m_list; }

protected:
    std::vector<TCommandArg> m_list;
    CWDocument* m_pDoc;
};

// The number formatted by an outType of SetArg after valType converted it.
void FormatIcfValue(long value, int valType, int outType, char* dst);
