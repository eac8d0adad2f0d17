#pragma once

#include "VersionBlockWriter.h"

#include <QString>

// The description of a version block, an INI-like text (UTF-8):
//
//   [FixedFileInfo]            FileVersion=7.3.9.11, ProductVersion=...,
//                              FileFlagsMask, FileFlags, FileOS, FileType,
//                              FileSubtype (decimal or 0x hexadecimal)
//   [StringFileInfo 040704E4]  one Key=Value line per string, in order;
//                              one such section per string table
//   [VarFileInfo]              Translation=0x0407 0x04E4 (pairs, any number)
//
// Lines starting with ";" and empty lines are skipped. A key is the text
// before the first "=", the value all after it, blanks kept.
//
// Gives the root block "VS_VERSION_INFO" with the fixed information, then
// "StringFileInfo" and "VarFileInfo". Raises std::runtime_error naming the
// line of anything it does not understand.
TVersionBlock VersionBlockFromDescription(const QString &description);
