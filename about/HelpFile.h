// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <optional>

// The program's help file as the catalogue names it ("wuppel32.hlp"); set by every language
// change.
QString& helpFile();

// Where that help is found: the HTML file of the same name in the program's folder. Swedish and
// Italian have pages of their own beside it ("wupple32_sv.html", "wupple32_it.html"); without
// them the page of the catalogue's name is shown.
QString helpDocumentPath(const QString& helpFileName, qint16 languageOffset);

// The largest help page, or picture on it, that is read.
constexpr qint64 MaxHelpBytes = 16 * 1024 * 1024;

// What the help page may load for `url` (a page, a picture, a style sheet; relative names already
// resolved against the page): an ordinary file inside the program's folder of at most
// MaxHelpBytes. Anything else, a FIFO that would hold the reader for ever or a device that never
// ends, a file elsewhere on the disk or on the web, gives nothing.
std::optional<QByteArray> helpResource(const QUrl& url);

// The maker's web page and e-mail address.
extern const char* const HomepageAddress;
extern const char* const EMailAddress;
