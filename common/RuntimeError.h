// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Failures travel as exceptions carrying the classic run-time error number, so the common error
// report can show "Error 53: File not found" the way players and parents have always seen it.
#include <QString>
#include <QtGlobal>
#include <exception>

namespace Err {
enum : int {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    BadFileMode = 54,
    DeviceIoError = 57,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ResourceNotFound = 326,
    InvalidPropertyValue = 380,
};
}

// The run-time library's description of an error number, in the given interface language.
QString errorDescription(int number, qint16 sprachOffset);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number, QString detail = {});
    int number() const { return m_number; }
    // Description in the current interface language, with the detail (a path, a reason) if any.
    QString description() const;
    const char* what() const noexcept override;

private:
    int m_number;
    QString m_detail;
    mutable QByteArray m_what;
};

// 16-bit arithmetic as the game has always done it: a result outside -32768..32767 is error 6.
qint16 toInt16(long long value);
