#pragma once

#include <QPainter>

class QPrinter;

// The process's printer: what its print and printer setup dialogs choose
// applies to every later job, from whichever window.
QPrinter &applicationPrinter();

// One print job on a printer, from the first page to the last; a failure
// of the printer raises PrinterError with the framework's German text.
// A job that does not end normally is aborted; a PDF file it began is removed.
class TPrintJob
{
public:
    // Raises PrinterError when no printer is chosen or the job cannot start.
    explicit TPrintJob(QPrinter &printer);
    ~TPrintJob();
    TPrintJob(const TPrintJob &) = delete;
    TPrintJob &operator=(const TPrintJob &) = delete;

    QPainter &painter() { return m_painter; }
    void newPage(); // raises PrinterError
    void end(); // hands the document to the printer; raises PrinterError

private:
    void abort();

    QPrinter &m_printer;
    QPainter m_painter;
};
