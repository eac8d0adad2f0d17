#pragma once

#include <QString>
#include <vector>

// The include file of a flag word: one named constant per named bit and
// one for the flag word's value, in Pascal or C++ form. The forms differ
// only in what stands between the padded name and the value.
enum class TIncludeForm { Pascal, Cpp };

// One row of the bit table as the generator reads it: the cells of
// "Hex Value", "Name (Mask)" and "Used for".
struct TIncludeRow
{
    QString hexValue;
    QString name;
    QString usedFor;
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

// The constants' prefix: the text before its first ";", trimmed, at most
// 8 characters.
QString IncludeConstantPrefix(const QString &prefixText);

// The four comment lines, a line per named row and the value line, each
// ended by CR LF.
QString IncludeFileText(const TIncludeSource &source, TIncludeForm form);

// The absolute path of flagFileBase + ".inc" + "_up" or "_dn"; relative
// names are resolved against the current directory.
QString IncludeFileName(const QString &flagFileBase, bool bottomUp);
