#pragma once

#include <QSizeF>
#include <QString>

// A printed PDF file read back with poppler's pdfinfo and pdftotext.
int pdfPageCount(const QString &path);
// A field of pdfinfo, such as "Title", without the spaces around it.
QString pdfInfo(const QString &path, const QString &field);
// The first page's size in points.
QSizeF pdfPageSize(const QString &path);
// The text page by page in reading order, each page ending with a form feed.
QString pdfText(const QString &path);
