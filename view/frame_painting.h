// What the view's painting asks of a frame beyond CFrame::OnDraw.
#pragma once

class CFrame;

// Frames drawn in a pass of their own, over everything else, without
// clipping it away. Frames keep no text-wrapping setting yet, so none is.
inline bool IsFrameTransparent(const CFrame*)
{
    return false;
}
