// Tab stops: their stored forms and the editing of the sixteen stops of a
// paragraph style (set, move, re-order, fit to the text edges).
#include "afx.h"
#include "model/GTabArr.h"

void GTab::SaveZVW(CArchive& ar) const
{
    ar << (BYTE)type << (BYTE)0;
    position.SaveZVW(ar);
}

void GTab::OpenZVW(CArchive& ar)
{
    BYTE t, skip;
    ar >> t >> skip;
    type = t;
    pad = 0;
    position.OpenZVW(ar);
}

void _GTab::OpenZVW(CArchive& ar)
{
    BYTE t;
    ar >> t;
    type = t;
    position.OpenZVW(ar);
}

void Eq(GTab& to, const _GTab& from)
{
    to.type = (unsigned char)(from.type - 1);
    to.pad = 0;
    Eq(to.position, from.position);
}

GTabArr::GTabArr() : m_PrevLeft(-1), m_PrevRight(-1)
{
    for (int i = 0; i < kCount; i++)
        m_Tabs[i] = GTab(GTab::kLeft, (short)((i + 1) * kDefaultStep));
}

bool GTabArr::operator==(const GTabArr& o) const
{
    for (int i = 0; i < kCount; i++)
        if (m_Tabs[i] != o.m_Tabs[i])
            return false;
    return m_PrevLeft == o.m_PrevLeft && m_PrevRight == o.m_PrevRight;
}

int GTabArr::GetValidItems() const
{
    int n = 0;
    for (const GTab& t : m_Tabs)
        if (t.IsValid())
            n++;
    return n;
}

void GTabArr::Sort()
{
    for (int i = 0; i < kCount - 1; i++)
        for (int j = i + 1; j < kCount; j++)
            if (m_Tabs[i].Pos() > m_Tabs[j].Pos())
            {
                GTab t = m_Tabs[i];
                m_Tabs[i] = m_Tabs[j];
                m_Tabs[j] = t;
            }
}

int GTabArr::AddTab(const GTab& tab)
{
    for (int i = 0; i < kCount; i++)
        if (m_Tabs[i].position == tab.position && m_Tabs[i].type == tab.type)
            return i;
    // A full array gives up its last stop.
    m_Tabs[kCount - 1] = tab;
    Sort();
    for (int i = 0; i < kCount; i++)
        if (m_Tabs[i] == tab)
            return i;
    return -1;
}

void GTabArr::DelTab(unsigned char i)
{
    if (i >= kCount)
        return;
    m_Tabs[i].position.value = GTab::kEmpty;
    Sort();
}

void GTabArr::RemoveSlot(int k)
{
    for (int j = k; j < kCount - 1; j++)
        m_Tabs[j] = m_Tabs[j + 1];
    m_Tabs[kCount - 1] = GTab(GTab::kLeft, GTab::kEmpty, 0);
}

void GTabArr::SetTab(unsigned char index, const GTab& tab, unsigned char mode)
{
    if (index >= kCount || m_Tabs[index] == tab)
        return;
    int i = index;
    const int newPos = tab.Pos();
    const int delta = newPos - m_Tabs[i].Pos();

    switch (mode)
    {
    case kMoveOne:
        if (delta < 1)
        {
            while (i > 0 && m_Tabs[i - 1].Pos() > newPos)
            {
                m_Tabs[i] = m_Tabs[i - 1];
                i--;
            }
        }
        else
        {
            while (i < kCount - 1 && m_Tabs[i + 1].Pos() < newPos)
            {
                m_Tabs[i] = m_Tabs[i + 1];
                i++;
            }
        }
        m_Tabs[i] = tab;
        break;

    case kMoveSwallow:
        m_Tabs[i] = tab;
        if (delta < 1)
        {
            while (i > 0 && m_Tabs[i - 1].Pos() > m_Tabs[i].Pos())
            {
                RemoveSlot(i - 1);
                i--;
            }
        }
        else
        {
            // Only set stops are swallowed: the empty slots stay at the end.
            while (i < kCount - 1 && m_Tabs[i + 1].IsValid() && m_Tabs[i].Pos() > m_Tabs[i + 1].Pos())
                RemoveSlot(i + 1);
        }
        break;

    case kMoveFollowing:
        m_Tabs[i] = tab;
        // Empty slots are not shifted: moved far enough they would turn
        // into stops.
        for (int j = i + 1; j < kCount; j++)
            if (m_Tabs[j].IsValid())
                m_Tabs[j].position.value = (short)(m_Tabs[j].Pos() + delta);
        while (i > 0 && m_Tabs[i - 1].Pos() > m_Tabs[i].Pos())
        {
            RemoveSlot(i - 1);
            i--;
        }
        break;

    default:
        return;
    }

    // Stops that left the page (also negative ones) are emptied; the empty
    // slots go back to the end.
    bool emptied = false;
    for (GTab& t : m_Tabs)
        if ((unsigned short)t.position.value > kMaxPosition && t.position.value != GTab::kEmpty)
        {
            t.position.value = GTab::kEmpty;
            emptied = true;
        }
    if (emptied)
        Sort();
}

void GTabArr::Reordering(unsigned char index, int step, int left, int right)
{
    if (index >= kCount)
        return;
    int fill;      // first slot to fill
    int running;   // position the fill counts on from
    if (m_Tabs[index].IsValid())
    {
        running = m_Tabs[index].Pos();
        if (running >= right - step)
            running = right;
        if (running < left)
            running = left;
        m_Tabs[index].position.value = (short)running;
        fill = index + 1;
    }
    else
    {
        if (index > 0 && m_Tabs[index - 1].Pos() < left)
            m_Tabs[index - 1].position.value = (short)left;
        fill = index;
        running = left;
    }

    for (int k = 0; k < fill; k++)
        if (m_Tabs[k].Pos() < left || m_Tabs[k].Pos() > right)
            m_Tabs[k].position.value = GTab::kEmpty;

    int k = fill;
    // A step of 0 or less would never reach the right edge.
    if (step > 0)
        for (; k < kCount && running + step <= right; k++)
        {
            running += step;
            m_Tabs[k].position.value = (short)running;
        }
    for (; k < kCount; k++)
        m_Tabs[k].position.value = GTab::kEmpty;

    Sort();
    AddTab(GTab(GTab::kLeft, (short)left));
    AddTab(GTab(GTab::kRight, (short)right));
}

int GTabArr::GuessTabStep() const
{
    const int n = GetValidItems();
    if (n == 0)
        return kDefaultStep;
    if (n == 1)
    {
        for (const GTab& t : m_Tabs)
            if (t.IsValid())
                return t.Pos();
    }

    int gaps[kCount - 1];
    int counts[kCount - 1];
    int distinct = 0;
    int previous = -1;
    for (int i = 0; i < kCount; i++)
    {
        if (!m_Tabs[i].IsValid())
            continue;
        if (previous >= 0)
        {
            int gap = m_Tabs[i].Pos() - m_Tabs[previous].Pos();
            int g = 0;
            while (g < distinct && gaps[g] != gap)
                g++;
            if (g == distinct)
            {
                gaps[distinct] = gap;
                counts[distinct++] = 0;
            }
            counts[g]++;
        }
        previous = i;
    }
    int best = 0;
    for (int g = 1; g < distinct; g++)
        if (counts[g] > counts[best])
            best = g;
    return gaps[best];
}

bool GTabArr::AddDefaultStop(int position)
{
    // A full array would give up its last stop, the right edge: stop here.
    if (GetValidItems() >= kCount)
        return false;
    return AddTab(GTab(GTab::kLeft, (short)position)) != -1;
}

void GTabArr::Validate(int left, int right)
{
    for (GTab& t : m_Tabs)
        if (t.IsValid() && !(t.Pos() > left && t.Pos() < right))
            t.position.value = GTab::kEmpty;
    // Stops left at the old edges go; scanning again after each deletion,
    // since deleting re-sorts the stops.
    for (bool again = true; again;)
    {
        again = false;
        for (int i = 0; i < kCount; i++)
            if (m_Tabs[i].IsValid() &&
                ((m_PrevLeft != -1 && m_Tabs[i].Pos() == m_PrevLeft) ||
                 (m_PrevRight != -1 && m_Tabs[i].Pos() == m_PrevRight)))
            {
                DelTab((unsigned char)i);
                again = true;
                break;
            }
    }
    Sort();

    AddTab(GTab(GTab::kLeft, (short)left));
    AddTab(GTab(GTab::kRight, (short)right));

    bool failed = false;
    if (m_PrevLeft != -1 && m_PrevLeft > left)
    {
        int previous = m_PrevLeft > right ? right - 1 : m_PrevLeft;
        for (int k = left / kDefaultStep + 1; k <= previous / kDefaultStep; k++)
            if (!AddDefaultStop(k * kDefaultStep))
            {
                failed = true;
                break;
            }
    }
    if (m_PrevRight != -1 && m_PrevRight < right && !failed)
    {
        int previous = m_PrevRight < left ? left + 1 : m_PrevRight;
        int last = right / kDefaultStep - (right % kDefaultStep == 0 ? 1 : 0);
        for (int k = (previous + kDefaultStep - 1) / kDefaultStep; k <= last; k++)
            if (!AddDefaultStop(k * kDefaultStep))
                break;
    }

    m_PrevLeft = left;
    m_PrevRight = right;
    Sort();
}
