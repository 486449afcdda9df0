// Records the progress displays of document reads and writes in place of
// the frame's status bar, while it lives.
#pragma once
#include "tests/support/zt_gtest.h"
#include "document/document_progress.h"
#include <vector>

class ProgressRecorder : public CDocumentProgress::Listener
{
public:
    struct Display
    {
        int caption;
        int steps;
        std::vector<int> positions;
        bool ended;
    };
    std::vector<Display> shown;
    bool overlapped = false;   // a display started while another showed

    ProgressRecorder() { CDocumentProgress::s_pListener = this; }
    ~ProgressRecorder() override { CDocumentProgress::s_pListener = nullptr; }

    void Started(int caption, int steps) override
    {
        overlapped = overlapped || (!shown.empty() && !shown.back().ended);
        shown.push_back({caption, steps, {}, false});
    }
    void Stepped(int position) override { shown.back().positions.push_back(position); }
    void Ended() override { shown.back().ended = true; }

    // One display with this caption and number of steps, its positions
    // rising to last, then ended.
    static void ExpectRisingTo(const Display& d, int caption, int steps, int last)
    {
        EXPECT_EQ(d.caption, caption);
        EXPECT_EQ(d.steps, steps);
        ASSERT_FALSE(d.positions.empty());
        for (size_t i = 1; i < d.positions.size(); ++i)
            EXPECT_LT(d.positions[i - 1], d.positions[i]) << "step " << i;
        EXPECT_EQ(d.positions.back(), last);
        EXPECT_TRUE(d.ended);
    }
};
