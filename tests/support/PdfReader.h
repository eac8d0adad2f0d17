#pragma once

#include <QString>

// A printed PDF file read back with poppler's pdfinfo and pdftotext.
int pdfPageCount(const QString &path);
// The text page by page in reading order, each page ending with a form feed.
QString pdfText(const QString &path);
