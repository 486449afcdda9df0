// The intermediate conversion file on disk: written in blocks by the
// exporter, read item by item (a run of text or a whole record) by the
// importer. Also the progress callback the filters and the reader call.
#pragma once
#include "afxwin.h"
#include "convert/TBuffICF.h"
#include <cstdint>
#include <vector>

class CWCustomFrameData;

// The frame data whose status bar shows a conversion's progress; stored
// at the start of each conversion, null when there is none.
extern CWCustomFrameData* MainFrame;
// Moves that progress to percent (0 to 100); answers 0.
int WINAPI Display(int percent);

const long kIcfBlockSize = 10000;
const long kIcfMostBlockFill = 9999;

class TIntermediateFile
{
public:
    enum { kRead = 1, kWrite = 2 };
    enum { kEnd = 0, kRecord = 1, kText = 2 };

    TIntermediateFile(const char* name, unsigned char mode);
    // Writing: the rest of the block goes out and the file is closed.
    // Reading: the file is closed and deleted.
    ~TIntermediateFile();

    // Appends a byte; from 0x80 up its character record.
    void Put(char c);
    // Appends s with its bytes from 0x80 up escaped first.
    void Put(TBuffICF& s);
    // Appends text as Put(char) does, byte by byte.
    void PutText(const char* text);
    // Writes what the block holds; false once any write fell short.
    bool Flush();
    bool WriteFailed() const { return m_bWriteFailed; }

    // 0 at the end, 1 a record in out, 2 a run of text in out.
    int GetNext(TBuffICF& out);
    int Exist() const { return m_hFile != HFILE_ERROR; }
    int64_t GetSize() const { return m_nSize; }
    int64_t GetCurrentPos() const { return m_nRead; }
    // The character set the last text item came with (from its character
    // record), 0 when none.
    unsigned char GetCharSet() const { return m_charSet; }
    const CString& GetName() const { return m_strName; }

private:
    void Append(const char* bytes, long n);
    void WriteBytes(const char* bytes, long n);
    bool ReadNew();
    // The next byte of the file (pushed-back bytes first); false at the end.
    bool NextByte(char& c);
    void PushBack(char c) { m_pushed.push_back(c); }
    // Folds the character records of an item; answers the character set
    // of the last one folded at the top level.
    void FoldCharRecords(TBuffICF& item, bool topLevel);

    unsigned char m_charSet = 0;
    CString m_strName;
    HFILE m_hFile = HFILE_ERROR;
    unsigned char m_mode;
    long m_nPos = 0;                 // read position in the block
    long m_nBlockLen = 0;
    std::vector<char> m_block;
    std::vector<char> m_pushed;      // read again before the block
    bool m_bPending = false;         // the next text begins with a '_' to drop
    int64_t m_nSize = 1;
    int64_t m_nRead = 0;
    bool m_bWriteFailed = false;
    bool m_bAtEnd = false;
};
