#include "documents/TextPrintLayout.h"

#include <algorithm>

namespace {

class LayoutBuilder
{
public:
    explicit LayoutBuilder(const TTextPrintMetrics &metrics)
        : m_metrics(metrics)
        , m_averageCharWidth(std::max(metrics.AverageCharWidth, 1))
        , m_tabWidth(8 * m_averageCharWidth)
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
    void place(const QString &text)
    {
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype fitting = fittingLength(text, start, m_metrics.PageWidth - m_x);
            if (fitting == 0 && m_x == 0)
                fitting = 1; // a page narrower than one character still gets every character
            if (fitting > 0) {
                const QString drawn = text.mid(start, fitting);
                startPageForText();
                m_pages.back().push_back({QPoint(m_x, m_y), drawn});
                m_x += m_metrics.TextWidth(drawn);
                m_lineHasText = true;
                start += fitting;
            }
            if (start < text.size())
                endLine();
        }
    }

    // The longest part of the text from `start` on that is at most `room`
    // wide. Only about as much as can fit is measured, doubling while it
    // still fits, so a very long line costs no more than its pieces.
    qsizetype fittingLength(const QString &text, qsizetype start, int room) const
    {
        const qsizetype remaining = text.size() - start;
        const auto fitsIn = [&](qsizetype length) { return m_metrics.TextWidth(text.mid(start, length)) <= room; };
        qsizetype fits = 0;
        qsizetype probe = std::clamp<qsizetype>(room / m_averageCharWidth + 1, 1, remaining);
        while (fitsIn(probe)) {
            fits = probe;
            if (probe == remaining)
                return fits;
            probe = std::min(2 * probe, remaining);
        }
        qsizetype tooLong = probe;
        while (tooLong - fits > 1) {
            const qsizetype middle = (fits + tooLong) / 2;
            if (fitsIn(middle))
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

    // Text starts the page that is due. It also starts a new one where it
    // would reach below the printable height: after empty lines the
    // page-break rule lets y come that close to the bottom.
    void startPageForText()
    {
        if (m_y > 0 && m_y + m_metrics.CharHeight + 2 > m_metrics.PageHeight) {
            m_pageDue = true;
            m_y = 0;
        }
        if (m_pageDue) {
            m_pages.emplace_back();
            m_pageDue = false;
        }
    }

    // Only text starts a page, so no page is left holding nothing.
    void endLine()
    {
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
    const int m_averageCharWidth;
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
