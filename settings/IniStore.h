#pragma once
// The settings file Wupple.ini in the program's folder. Every call reads or writes the file
// anew; nothing is cached and no handle is kept open.
#include <QString>
#include <QtGlobal>

QString iniFilePath();

// The whole number at the start of the entry, or `defaultValue` when the file, section or key
// is missing. A number outside 16 bits is error 6, shown in the error report; the result is 0.
qint16 GetIniInt(const QString& section, const QString& key, int defaultValue);

// The entry's text (blanks around it and enclosing quotes removed, at most 254 characters), or
// `defaultValue` when it is missing.
QString GetIniString(const QString& section, const QString& key, const QString& defaultValue);

// Creates or replaces one entry; the file is replaced all at once, never left half-written.
// When the file cannot be written the user is told once per run, in their language.
void SaveIni(const QString& section, const QString& key, const QString& value);

// For tests: forget that the write failure was already reported.
void resetIniWriteWarning();
