#include "documents/TextPrintLayout.h"

#include <algorithm>

namespace {

class LayoutBuilder
{
public:
    explicit LayoutBuilder(const TTextPrintMetrics &metrics)
        : m_metrics(metrics)
        , m_tabWidth(std::max(8 * metrics.AverageCharWidth, 1))
    {
    }

    std::vector<TTextPrintPage> build(const QStringList &lines)
    {
        for (const QString &line : lines) {
            const QStringList pieces = line.split(u'\t');
            for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
                if (piece > 0)
                    tab();
                place(pieces[piece]);
            }
            endLine();
        }
        return std::move(m_pages);
    }

private:
    // Draws what fits from x on and continues the rest on new lines.
    void place(QString text)
    {
        while (!text.isEmpty()) {
            qsizetype fitting = fittingLength(text, m_metrics.PageWidth - m_x);
            if (fitting == 0 && m_x == 0)
                fitting = 1; // a page narrower than one character still gets every character
            if (fitting > 0) {
                const QString drawn = text.left(fitting);
                startPageIfDue();
                m_pages.back().push_back({QPoint(m_x, m_y), drawn});
                m_x += m_metrics.TextWidth(drawn);
                m_lineHasText = true;
                text.remove(0, fitting);
            }
            if (!text.isEmpty())
                endLine();
        }
    }

    // The longest leading part of the text that is at most `room` wide.
    qsizetype fittingLength(const QString &text, int room) const
    {
        if (m_metrics.TextWidth(text) <= room)
            return text.size();
        qsizetype fits = 0;
        qsizetype tooLong = text.size();
        while (tooLong - fits > 1) {
            const qsizetype middle = (fits + tooLong) / 2;
            if (m_metrics.TextWidth(text.left(middle)) <= room)
                fits = middle;
            else
                tooLong = middle;
        }
        return fits;
    }

    void tab()
    {
        const int next = m_x + m_tabWidth - ((m_x + m_tabWidth + 1) % m_tabWidth) + 1;
        if (next > m_metrics.PageWidth)
            endLine();
        else
            m_x = next;
    }

    void startPageIfDue()
    {
        if (m_pageDue) {
            m_pages.emplace_back();
            m_pageDue = false;
        }
    }

    void endLine()
    {
        startPageIfDue();
        const int height = m_lineHasText ? m_metrics.CharHeight + 2 : m_metrics.CharHeight;
        m_y += height;
        const int limit = m_lineHasText ? m_metrics.PageHeight - 2 * height : m_metrics.PageHeight;
        if (m_y > limit) {
            m_pageDue = true;
            m_y = 0;
        }
        m_x = 0;
        m_lineHasText = false;
    }

    const TTextPrintMetrics &m_metrics;
    const int m_tabWidth;
    std::vector<TTextPrintPage> m_pages;
    bool m_pageDue = true; // the first page, and one after a page break
    bool m_lineHasText = false;
    int m_x = 0;
    int m_y = 0;
};

} // namespace

namespace TextPrintLayout {

std::vector<TTextPrintPage> compute(const QStringList &lines, const TTextPrintMetrics &metrics)
{
    return LayoutBuilder(metrics).build(lines);
}

} // namespace TextPrintLayout
