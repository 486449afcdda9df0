// The native document's main stream: the document's own records around the
// flow bodies (document/flow_body.cpp) and the salvage of a damaged file.
#include "document/CWDocument.h"
#include "document/document_progress.h"
#include "document/flow_body.h"
#include "document/native_storage.h"
#include "document/old_layout.h"
#include "layout/CFrame.h"
#include "model/GCaption.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "resources/resource.h"
#include <algorithm>
#include <string>

namespace
{
const char kMagic[2] = {'Z', 'V'};
const short kNativeVersion = 281;
// Thrown (as a plain int) for a stream that is not a native document.
const int kBadMagic = 4;
// Thrown (as a plain int) for a damaged document record.
const int kDocumentReadFault = 2;
const int kPendingStyleSize = 56;
const WORD kNoStyleReference = 0xFFFF;
// A salvage's progress: a hundred steps, the file read at 15, its text
// kept at 30, its style found at 35, all in at 100.
const int kSalvageProgressSteps = 100;
const int kSalvageProgressRead = 15;
const int kSalvageProgressKept = 30;
const int kSalvageProgressStyleSet = 35;

// A short read of a fixed block is the end of the stream.
void ReadExactly(CArchive& ar, void* buffer, UINT size)
{
    if (ar.Read(buffer, size) != size)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

void Damaged(bool when)
{
    if (when)
        throw kDocumentReadFault;
}

// The page set-up's leading 152 bytes; the pending character style is
// stored as it stands in memory, its cached metrics and font as zeros.
void SavePageSetup(CArchive& ar, const GPageInfo& p)
{
    ar << p.paperType << (BYTE)0 << (BYTE)0 << (BYTE)0;
    ar << p.portrait << p.paperWidth << p.paperHeight << p.textLeft << p.textTop << p.textRight
       << p.textBottom;
    for (LONG v : p.pageValues)
        ar << v;
    for (LONG v : p.layoutValues)
        ar << v;
    ar << p.useFontStyle;
    for (LONG v : p.distances)
        ar << v;
    ar << p.oneValue << p.unsetValue;
    for (LONG v : p.moreValues)
        ar << v;
    ar << p.finalValue;
    const GFontStyle& s = p.fontStyle;
    ar.Write(s.m_Face, GFontStyle::kFaceSize);
    ar << (LONG)s.m_Size << (DWORD)s.m_Colour << (WORD)s.m_Attr << (WORD)s.m_Mask;
    ar << (LONG)0 << (LONG)0 << (LONG)0;
}

// Reads what SavePageSetup wrote. What only an editing session means (the
// flow being edited, the pending style) starts afresh.
void ReadPageSetup(CArchive& ar, GPageInfo& p)
{
    BYTE filler[3];
    ar >> p.paperType;
    ReadExactly(ar, filler, sizeof filler);
    ar >> p.portrait >> p.paperWidth >> p.paperHeight >> p.textLeft >> p.textTop >> p.textRight >>
        p.textBottom;
    for (LONG& v : p.pageValues)
        ar >> v;
    for (LONG& v : p.layoutValues)
        ar >> v;
    ar >> p.useFontStyle;
    for (LONG& v : p.distances)
        ar >> v;
    ar >> p.oneValue >> p.unsetValue;
    for (LONG& v : p.moreValues)
        ar >> v;
    ar >> p.finalValue;
    BYTE pending[kPendingStyleSize];
    ReadExactly(ar, pending, sizeof pending);
    p.useFontStyle = 0;
    p.fontStyle.Reset();
    p.finalValue = 1;
    p.layoutValues[3] = 0;   // the body is edited first
}

void SaveCaptionKind(CArchive& ar, const GCaptionSettings& s)
{
    ar << s.format << s.label << s.autoCaption << s.generic << s.position;
}

void ReadCaptionKind(CArchive& ar, GCaptionSettings& s)
{
    ar >> s.format >> s.label >> s.autoCaption >> s.generic >> s.position;
}

// Bytes the salvage keeps of a damaged file: printable ASCII and the
// paragraph end.
bool KeptBySalvage(BYTE c)
{
    return (c >= 0x20 && c <= 0x7F) || c == 13;
}
} // namespace

int CWDocument::SaveZVW(CArchive& ar)
{
    ar.Write(kMagic, sizeof kMagic);
    ar << kNativeVersion;
    CZTDoc::Serialize(ar);
    CDocumentProgress progress(*this, IDS_PROGRESS_SAVING, NativeProgress::kWriteSteps);
    progress.Step(NativeProgress::kStarted);

    ar << m_docInfo.created;
    for (LONG v : m_docInfo.values)
        ar << v;
    SavePageSetup(ar, m_pageInfos[0]);
    ar.Write(m_extraInfo, sizeof m_extraInfo);
    progress.Step(NativeProgress::kHeader);

    m_fontStyles.SaveZVW(ar);
    m_paraStyles.SaveZVW(ar);
    m_masterStyles.SaveZVW(ar);
    m_listStyles.SaveZVW(ar);
    progress.Step(NativeProgress::kStyles);

    ar << (DWORD)m_flows.GetCount();
    for (long i = 0; i < m_flows.GetCount(); ++i)
    {
        m_flows[i]->SaveZVW(ar);
        if (i == kBodyFlow)
            progress.Step(NativeProgress::kBody);
    }
    progress.Step(NativeProgress::kFlows);
    SaveFrameList(ar, m_frames);
    progress.Step(NativeProgress::kFrames);

    ar << GCaption::AutoCaption;
    SaveCaptionKind(ar, GCaption::ImageSettings);
    SaveCaptionKind(ar, GCaption::OleSettings);
    SaveCaptionKind(ar, GCaption::CellSettings);
    SaveEffectsStream(*this);
    progress.Step(NativeProgress::kRest);
    return 1;
}

namespace
{
// Drops the frame-text flows and every document frame beyond the page
// parts, frames first, as frames point into flows.
void DropExtraFlowsAndFrames(CWDocument& doc)
{
    if (doc.m_frames.GetCount() > kFirstContentFlow)
        doc.m_frames.Destroy(kFirstContentFlow, doc.m_frames.GetCount() - kFirstContentFlow);
    if (doc.m_flows.GetCount() > kFirstContentFlow)
        doc.m_flows.Destroy(kFirstContentFlow, doc.m_flows.GetCount() - kFirstContentFlow);
}

// Reads flow count and flows. Flows 1-6 come with the document; later ones
// are made and listed before they are read, as their frames name them.
void ReadFlows(CArchive& ar, CWDocument& doc, CDocumentProgress& progress)
{
    DWORD count;
    ar >> count;
    // Every flow takes far more than a byte of the stream.
    Damaged(count < (DWORD)kFirstContentFlow || count > ar.GetFile()->GetLength());
    // A document made without its page parts (the clipboard's) gets them.
    if (doc.m_flows.GetCount() < kFirstContentFlow)
        doc.CreateFrames();
    for (DWORD i = 0; i < count; ++i)
    {
        if ((long)i >= doc.m_flows.GetCount())
            doc.m_flows.Add(new GDoc(&doc, (long)i));
        doc.m_flows[(long)i]->OpenZVW(ar);
        if ((long)i == kBodyFlow)
            progress.Step(NativeProgress::kBody);
    }
    progress.Step(NativeProgress::kFlows);
    // Frames held by a flow show the flow their stored index names.
    for (long i = 0; i < doc.m_flows.GetCount(); ++i)
    {
        GDoc* flow = doc.m_flows[i];
        for (long j = 0; j < flow->m_frames.GetCount(); ++j)
        {
            CFrame* frame = flow->m_frames[j];
            const DWORD index = frame->storedContent;
            frame->storedContent = kNoIndex;
            if (index == kNoIndex || (LONG)index <= 0)
                continue;
            GDoc* shown = doc.GetFlow((LONG)index);
            Damaged(!shown);
            frame->content = shown;
            shown->m_pFirstFrame = frame;
        }
    }
}

// The document's frames replace the page-part frames it was made with;
// frame i of the first seven is flow i's first frame.
void ReadDocumentFrames(CArchive& ar, CWDocument& doc)
{
    for (long i = 0; i < doc.m_flows.GetCount() && i < kFirstContentFlow; ++i)
        doc.m_flows[i]->m_pFirstFrame = NULL;
    doc.m_frames.Flush();
    LoadFrameList(ar, doc.m_frames, &doc, 1);
    Damaged(doc.m_frames.GetCount() < kFirstContentFlow);
    for (long i = 0; i < kFirstContentFlow; ++i)
        doc.m_flows[i]->m_pFirstFrame = doc.m_frames[i];
}

// A footnote's note flow shows in the first document frame that shows it.
void LinkFootnotes(CWDocument& doc)
{
    for (long i = 0; i < doc.m_flows.GetCount(); ++i)
        GFootNote::LinkNotes(*doc.m_flows[i]);
    for (long i = kFirstContentFlow; i < doc.m_flows.GetCount(); ++i)
    {
        GDoc* flow = doc.m_flows[i];
        if (flow->m_pFirstFrame)
            continue;
        for (long j = 0; j < doc.m_frames.GetCount(); ++j)
            if (doc.m_frames[j]->content == flow)
            {
                flow->m_pFirstFrame = doc.m_frames[j];
                break;
            }
    }
}

// No text column is wider than the frame the flow starts in.
void LimitColumnWidths(CWDocument& doc)
{
    for (long i = 0; i < doc.m_flows.GetCount(); ++i)
    {
        GDoc* flow = doc.m_flows[i];
        const CFrame* frame = flow->m_pFirstFrame;
        if (!frame || frame->area.left == kNotPlaced || frame->area.right <= frame->area.left)
            continue;
        const LONG width = frame->area.right - frame->area.left;
        for (long j = 0; j < flow->m_columns.GetCount(); ++j)
            for (CData& column : flow->m_columns[j].cols)
                column.width = std::min(column.width, width);
    }
}

// Puts the document back to seven empty flows with their page frames, for
// a read that broke off anywhere.
void MakeWhole(CWDocument& doc)
{
    doc.m_frames.Flush();
    for (long i = 0; i < doc.m_flows.GetCount(); ++i)
        doc.m_flows[i]->m_pFirstFrame = NULL;
    doc.m_flows.Flush();
    GPageInfo fresh;
    fresh.DefaultInit();
    doc.m_pageInfos[0] = fresh;
    doc.CreateFrames();
    doc.ClearAllDocument();
}
} // namespace

int CWDocument::OpenZVW(CArchive& ar)
{
    bReadOldVersion = 0;
    LONG brackets = -1;
    try
    {
        char magic[2] = {};
        if (ar.Read(magic, sizeof magic) != sizeof magic || magic[0] != kMagic[0] || magic[1] != kMagic[1])
            throw kBadMagic;
        short version;
        ar >> version;
        if (version > kNativeVersion)
        {
            AfxMessageBox(IDS_FILE_TOO_NEW, MB_OK | MB_ICONEXCLAMATION);
            return 2;
        }
        brackets = m_nViewNotify;
        if (version <= kLastOldVersion)
        {
            bReadOldVersion = 1;
            try
            {
                OpenZVWOld(ar);
            }
            catch (CArchiveException* e)
            {
                // A stream that ends inside a record is damage like any other.
                if (e->m_cause != CArchiveException::endOfFile)
                    throw;
                e->Delete();
                throw kDocumentReadFault;
            }
            m_nViewNotify = brackets;
            bReadOldVersion = 0;
            return 0;
        }
        ViewNotify(0);
        CZTDoc::Serialize(ar);
        // Ended when this block is left, before a salvage starts its own.
        CDocumentProgress progress(*this, IDS_PROGRESS_OPENING, NativeProgress::kReadSteps);
        progress.Step(NativeProgress::kStarted);
        ar >> m_docInfo.created;
        for (LONG& v : m_docInfo.values)
            ar >> v;
        ReadPageSetup(ar, m_pageInfos[0]);
        ReadExactly(ar, m_extraInfo, sizeof m_extraInfo);
        m_nCurPart = 0;
        progress.Step(NativeProgress::kHeader);

        m_fontStyles.OpenZVW(ar);
        m_paraStyles.OpenZVW(ar);
        m_masterStyles.OpenZVW(ar);
        m_listStyles.OpenZVW(ar);
        progress.Step(NativeProgress::kStyles);

        DropExtraFlowsAndFrames(*this);
        ReadFlows(ar, *this, progress);
        ReadDocumentFrames(ar, *this);
        LinkFootnotes(*this);
        progress.Step(NativeProgress::kRest);

        ar >> GCaption::AutoCaption;
        ReadCaptionKind(ar, GCaption::ImageSettings);
        ReadCaptionKind(ar, GCaption::OleSettings);
        ReadCaptionKind(ar, GCaption::CellSettings);
        ReadEffectsStream(*this);
        progress.Done();

        if (!m_bClipboard)
            CheckFramesHeight(0);
        LimitColumnWidths(*this);
        // The bracket closes without its redraw pass: nothing was shown yet.
        m_nViewNotify = brackets;
        bReadOldVersion = 0;
        return 0;
    }
    catch (int)
    {
        if (brackets >= 0)
            m_nViewNotify = brackets;
        bReadOldVersion = 0;
        return Recover(ar);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    if (brackets >= 0)
        m_nViewNotify = brackets;
    bReadOldVersion = 0;
    MakeWhole(*this);
    return 2;
}

int CWDocument::Recover(CArchive& ar)
{
    MakeWhole(*this);
    if (AfxMessageBox(IDS_FILE_RECOVER, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 2;

    CDocumentProgress progress(*this, IDS_PROGRESS_OPENING, kSalvageProgressSteps);
    std::string kept;
    try
    {
        CFile* file = ar.GetFile();
        const DWORD length = file->GetLength();
        std::string bytes(length, '\0');
        file->SeekToBegin();
        bytes.resize(file->Read(&bytes[0], length));
        progress.Step(kSalvageProgressRead);
        for (char c : bytes)
            if (KeptBySalvage((BYTE)c))
                kept += c;
        progress.Step(kSalvageProgressKept);
    }
    catch (CException* e)
    {
        e->Delete();
        return 2;
    }

    CString dosStyle;
    dosStyle.LoadString(IDS_FSTYLE_DOS);
    const long style = m_fontStyles.FindStyle((LPCSTR)dosStyle);
    GDoc* body = m_flows[0];
    body->m_formats[0].style = Mint(style < 0 ? (short)kNoStyleReference : (short)style, 0);
    progress.Step(kSalvageProgressStyleSet);
    if (!kept.empty())
        body->InsertText(0, &kept[0], m_bClipboard ? 0 : 1);
    progress.Step(kSalvageProgressSteps);
    return 0;
}
