// The byte strings of the intermediate conversion file: TBuffICF, an owned
// nul-terminated string, and the small helpers every record uses
// (hexadecimal digits, the control bytes of the syntax, code pages).
#pragma once
#include <cstdint>

// The syntax bytes of the intermediate file.
const char kIcfEsc = 0x1B;
const char kIcfGs = 0x1D;
const char kIcfRs = 0x1E;
const char kIcfUs = 0x1F;

class TBuffICF
{
public:
    TBuffICF();
    // A null text gives the empty string.
    TBuffICF(const char* text);
    TBuffICF(const char* text, long n);
    // The text of a string-table entry.
    explicit TBuffICF(unsigned int stringId);
    TBuffICF(const TBuffICF& other);
    TBuffICF& operator=(const TBuffICF& other);
    ~TBuffICF();

    // Each answers 1 on success, 0 when refused (see the checks of each).
    int Insert(long pos, const char* text, long n);
    int Delete(long from, long to);          // from..to inclusive
    int Add(const char* text, long n);
    int Add(const char* text);
    int Add(char c) { return Add(&c, 1); }
    bool operator==(const TBuffICF& other) const;
    bool operator!=(const TBuffICF& other) const { return !(*this == other); }

    const char* Get() const { return m_pText; }
    char* GetBuffer() { return m_pText; }
    long Len() const { return m_nLen; }
    void Empty();
    // The position of the first occurrence of pattern at or after from, or -1.
    long Find(const char* pattern, long from = 0) const;

    // Every byte from 0x80 up becomes its 14-byte character record.
    void ChartoXCS();

private:
    void Reserve(long n);
    char* m_pText;
    long m_nLen;
    long m_nRoom;
};

// value in upper-case hexadecimal, left-padded with '0' to width digits
// (dst holds width + 1 bytes). A value that needs more digits keeps its
// low digits.
void LtoHEX(long value, char* dst, int width);
// The value of hexadecimal digits of either case; any other character
// counts as 0 and the empty text gives 0. Only the last eight digits count.
long HEXtoL(const char* text);
// The GDI character set of a code page; 0 for a code page it does not know.
unsigned char CodePage2CharSet(long codePage);
// A decimal number as the records hold it: leading blanks and a sign, then
// digits, brought within the 32-bit range; 0 when there are no digits.
int32_t IcfDecimal(const char* text);
// floor towards zero of x + 0.5, within the 32-bit range.
int32_t IcfRound(double x);

// The 14 bytes that stand for a byte from 0x80 up: ESC GS "XCS819" US,
// two hex digits, US, RS, '_'.
const int kCharRecordSize = 14;
void MakeCharRecord(unsigned char c, char* dst);
