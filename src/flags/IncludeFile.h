#pragma once

#include "flags/BitField.h"

#include <QString>
#include <QStringList>
#include <vector>

// The include file of a flag word: one named constant per named bit and
// one for the flag word's value, in Pascal or C++ form, or as a C header.
// The Pascal and C++ forms differ only in what stands between the padded
// name and the value; the C header (IncludeHeader.h) compiles as C and C++.
// Both build on the helpers here; IncludeText.h chooses the form.
enum class TIncludeForm { Pascal, Cpp, C };

// One row of the bit table as the generator reads it: the cells of
// "Hex Value", "Name (Mask)" and "Used for", and a field's named values.
struct TIncludeRow
{
    QString hexValue;
    QString name;
    QString usedFor;
    QList<TFieldValue> fieldValues = {};
};

// What the generator reads from the flag editor.
struct TIncludeSource
{
    QString prefixText; // the prefix field's text, not the FlagPrefix property
    QString section;
    QString flagLabel;
    QString flagFileBase;
    bool bottomUp = false;
    std::vector<TIncludeRow> rows; // in the table's row order
    QString flagWordHex; // the footer of "Hex Value": 8 hexadecimal digits
};

// A row that gives a constant: its index in the table, its name as the
// file holds it (on one line, trimmed) and its cells.
struct TNamedIncludeRow
{
    int row;
    QString name;
    const TIncludeRow *cells;
};
std::vector<TNamedIncludeRow> NamedIncludeRows(const TIncludeSource &source);

// A constant of a named field's value: the field's name, "_" and the
// value's name, holding the value shifted into place.
struct TFieldValueConstant
{
    QString name; // without the prefix
    QString hexValue; // 8 hexadecimal digits
    QString description;
};
// The constants of the named values of a named row, when it is a field.
std::vector<TFieldValueConstant> FieldValueConstants(const TNamedIncludeRow &row);

// A cell text on one line: line breaks become blanks.
QString IncludeOneLine(QString text);
// Left-aligned in 24 characters; a longer name is kept whole.
QString PaddedConstantName(const QString &name);
// The texts of the four comment lines every form begins with, without
// the comment's marks.
QStringList IncludeCommentTexts(const TIncludeSource &source);

// The constants' prefix: the text before its first ";", trimmed, at most
// 8 characters.
QString IncludeConstantPrefix(const QString &prefixText);

// The Pascal or C++ form: the four comment lines, a line per named row
// (a named field's row followed by a line per named value) and the value
// line, each ended by CR LF.
QString PascalOrCppText(const TIncludeSource &source, TIncludeForm form);

// The absolute path of flagFileBase + ".inc" + "_up" or "_dn", or of
// flagFileBase + ".h" for the C header; relative names are resolved
// against the current directory.
QString IncludeFileName(const QString &flagFileBase, bool bottomUp, TIncludeForm form = TIncludeForm::Pascal);

// A character a constant's name may hold in every form: an ASCII letter, a
// digit or "_".
bool IsIdentifierCharacter(QChar ch);
