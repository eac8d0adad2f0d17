#include "platform/PrintJob.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QPrinter>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(PrintJob, AJobThatFailsHalfwayLeavesNoFile)
{
    TestFolder folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path(QStringLiteral("job.pdf")));
    try {
        TPrintJob job(printer);
        job.painter().drawText(100, 100, QStringLiteral("first page"));
        job.newPage();
        throw std::runtime_error("drawing the second page failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(QFileInfo::exists(printer.outputFileName()));
}

} // namespace
