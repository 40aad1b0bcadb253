// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of the record and the steps that bring an older file up to date. The file's
// `user_version` says which steps it has had; each step runs in one transaction with the version
// it reaches, so a file is never left between two versions.
#include <QString>

class QSqlDatabase;

namespace record {

constexpr int SchemaVersion = 2;

// Brings the open database up to `target` (SchemaVersion unless a test stops earlier). Returns
// an empty string, or why it could not: a file written by a newer game is left untouched.
QString migrate(QSqlDatabase& db, int target = SchemaVersion);

int schemaVersion(QSqlDatabase& db);

} // namespace record
