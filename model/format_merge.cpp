// Merging of neighbouring format runs after the primitives changed them.
#include "model/GDoc.h"

// Merges neighbouring runs that became equal or empty, from toRun down
// to fromRun; the closing run stays.
void GDoc::ReFormat(long fromRun, long toRun)
{
    if (fromRun < 0)
        fromRun = 0;
    if (toRun >= m_formats.count - 1)
        toRun = m_formats.count - 2;
    const long lastParaEnd = m_chars.count - 3;
    for (long i = toRun; i >= fromRun; --i)
    {
        if (i >= m_formats.count - 1 || m_formats.count <= 2)
            continue;
        if (m_formats[i].pos > lastParaEnd || m_formats[i].pos == m_formats[i + 1].pos)
            m_formats.Destroy(i, 1);
        else if (i + 1 < m_formats.count - 1 && m_formats[i + 1].style == m_formats[i].style)
            m_formats.Destroy(i + 1, 1);
    }
}
