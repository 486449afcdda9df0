// The page background of a document's views: a colour, or a picture
// centred, tiled or stretched over the page, printed or not. Its record is
// ours: a version byte, the mode, the print switch, a reserved byte, the
// colour and the picture's path (a 16-bit length, then its bytes).
#pragma once
#include "afxwin.h"
#include <algorithm>

class CPageBackground
{
public:
    enum Mode : BYTE
    {
        kCentre = 0,
        kTile = 1,
        kStretch = 2
    };
    static const BYTE kRecordVersion = 1;
    // The picture's path is stored as a 16-bit length and its bytes.
    static const WORD kMostPathBytes = 4096;

    CPageBackground() { SetDefaultState(); }

    // No picture, centred, not printed, on white.
    void SetDefaultState()
    {
        m_nMode = kCentre;
        m_bPrint = FALSE;
        m_color = RGB(255, 255, 255);
        m_strPicture.Empty();
    }

    // Reading a record of another version or mode throws a
    // CArchiveException, as a record cut short does.
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
        {
            const WORD length = (WORD)std::min(m_strPicture.GetLength(), (int)kMostPathBytes);
            ar << kRecordVersion << (BYTE)m_nMode << (BYTE)(m_bPrint ? 1 : 0) << (BYTE)0 << (DWORD)m_color
               << length;
            ar.Write((LPCSTR)m_strPicture, length);
            return;
        }
        BYTE version = 0, mode = 0, print = 0, reserved = 0;
        DWORD color = 0;
        WORD length = 0;
        ar >> version >> mode >> print >> reserved >> color >> length;
        if (version != kRecordVersion || mode > kStretch || print > 1 || length > kMostPathBytes)
            AfxThrowArchiveException(CArchiveException::badSchema);
        CString picture;
        if (length)
        {
            char* bytes = picture.GetBuffer(length);
            const UINT read = ar.Read(bytes, length);
            picture.ReleaseBuffer(length);
            if (read != length)
                AfxThrowArchiveException(CArchiveException::endOfFile);
        }
        m_nMode = (Mode)mode;
        m_bPrint = print;
        m_color = color;
        m_strPicture = picture;
    }

    // Still missing: loading and drawing the picture; the views fill pages
    // with the page colour, so a stored picture path is kept, not shown.
    BOOL GetBackgroundImage() { return m_strPicture.IsEmpty(); }

    bool operator==(const CPageBackground& o) const
    {
        return m_nMode == o.m_nMode && m_bPrint == o.m_bPrint && m_color == o.m_color &&
               m_strPicture == o.m_strPicture;
    }

    Mode m_nMode;
    BOOL m_bPrint;
    COLORREF m_color;
    CString m_strPicture;
};
