// What the view's painting asks of a frame beyond CFrame::OnDraw.
#pragma once

class CFrame;

// Frames drawn in a pass of their own, over everything else, without
// clipping it away. Still missing: the frame's text-wrapping setting that
// makes a frame transparent; until frames keep it, none is.
inline bool IsFrameTransparent(const CFrame*)
{
    return false;
}
