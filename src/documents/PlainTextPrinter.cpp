#include "documents/PlainTextPrinter.h"

#include "documents/TextPrintLayout.h"
#include "platform/PrintJob.h"

#include <QFontMetrics>
#include <QPrinter>

void PrintPlainText(QPrinter &printer, const QStringList &lines, const QFont &font)
{
    const QFontMetrics fontMetrics(font, &printer);
    TTextPrintMetrics metrics;
    metrics.PageWidth = printer.width();
    metrics.PageHeight = printer.height();
    metrics.CharHeight = fontMetrics.height();
    metrics.AverageCharWidth = fontMetrics.averageCharWidth();
    metrics.TextWidth = [&fontMetrics](const QString &text) { return fontMetrics.horizontalAdvance(text); };
    const std::vector<TTextPrintPage> pages = TextPrintLayout::compute(lines, metrics);

    TPrintJob job(printer);
    QPainter &painter = job.painter();
    painter.setFont(font);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            job.newPage();
        for (const TPrintedText &piece : pages[page])
            painter.drawText(piece.Position + QPoint(0, fontMetrics.ascent()), piece.Text);
    }
    job.end();
}
