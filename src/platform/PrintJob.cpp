#include "platform/PrintJob.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

namespace {

QPrinter *theApplicationPrinter = nullptr;

void deleteApplicationPrinter()
{
    delete theApplicationPrinter;
    theApplicationPrinter = nullptr;
}

bool hasPrinter(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

PrinterError printingFailed()
{
    return PrinterError(QStringLiteral("Fehler beim Drucken"));
}

} // namespace

QPrinter &applicationPrinter()
{
    if (!theApplicationPrinter) {
        theApplicationPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(deleteApplicationPrinter); // goes with the application, not after it
    }
    return *theApplicationPrinter;
}

TPrintJob::TPrintJob(QPrinter &printer)
    : m_printer(printer)
{
    if (!hasPrinter(printer))
        throw PrinterError(QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt"));
    if (!m_painter.begin(&printer))
        throw PrinterError(QStringLiteral("Der Druckauftrag kann nicht gestartet werden"));
}

TPrintJob::~TPrintJob()
{
    if (m_painter.isActive())
        abort();
}

void TPrintJob::newPage()
{
    if (!m_printer.newPage())
        throw printingFailed();
}

void TPrintJob::end()
{
    if (!m_painter.end() || m_printer.printerState() == QPrinter::Error) {
        abort();
        throw printingFailed();
    }
}

void TPrintJob::abort()
{
    m_printer.abort();
    if (m_painter.isActive())
        m_painter.end();
    // A PDF file cannot be aborted: what was written of it goes.
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        QFile::remove(m_printer.outputFileName());
}
