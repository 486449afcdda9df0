// The status-bar progress of a whole-document read or write: a caption,
// a number of steps, positions shown as they are reached, and its end.
// Nothing is shown for the clipboard's document or without a frame. The
// display ends with the object, also when a read throws.
#pragma once

class CWDocument;

class CDocumentProgress
{
public:
    // Receives what the frame would show, in its place (a program with no
    // window watches the progress through it).
    struct Listener
    {
        virtual ~Listener() = default;
        virtual void Started(int captionId, int steps) = 0;
        virtual void Stepped(int position) = 0;
        virtual void Ended() = 0;
    };
    static Listener* s_pListener;

    CDocumentProgress(const CWDocument& doc, int captionId, int steps);
    ~CDocumentProgress();
    CDocumentProgress(const CDocumentProgress&) = delete;
    CDocumentProgress& operator=(const CDocumentProgress&) = delete;

    void Step(int position);
    void Done();

private:
    bool m_bShown = false;
};

// The steps of a native read (15) and write (16), the older layout's read
// included: started at 2, the header at 3, the style tables at 4, the body
// at 12, the other flows at 13, the frames (written) or the pages (read
// from the older layout) at 14, the rest at 15.
namespace NativeProgress
{
const int kReadSteps = 15;
const int kWriteSteps = 16;
const int kStarted = 2;
const int kHeader = 3;
const int kStyles = 4;
const int kBody = 12;
const int kFlows = 13;
const int kFrames = 14;
const int kRest = 15;
} // namespace NativeProgress
