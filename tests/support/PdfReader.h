#pragma once

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

// A printed PDF file read back with poppler's pdfinfo, pdftotext and pdftoppm.
int pdfPageCount(const QString &path);
// A field of pdfinfo, such as "Title", without the spaces around it.
QString pdfInfo(const QString &path, const QString &field);
// The first page's size in points.
QSizeF pdfPageSize(const QString &path);
// The text page by page in reading order, each page ending with a form feed.
QString pdfText(const QString &path);
// A part of the first page in grey, rendered at dpi dots per inch; the
// part is given in pixels of that resolution.
QImage pdfPageImage(const QString &path, int dpi, const QRect &part);
