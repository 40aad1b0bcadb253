#pragma once
#include <QString>

// The program's help file as the catalogue names it ("wuppel32.hlp"); set by every language
// change.
QString& helpFile();

// Where that help is found: the HTML file of the same name in the program's folder. Swedish and
// Italian have pages of their own beside it ("wupple32_sv.html", "wupple32_it.html"); without
// them the page of the catalogue's name is shown.
QString helpDocumentPath(const QString& helpFileName, qint16 languageOffset);

// The maker's web page and e-mail address.
extern const char* const HomepageAddress;
extern const char* const EMailAddress;
