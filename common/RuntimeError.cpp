// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/RuntimeError.h"
#include "common/Allgemein.h"

#include <array>
#include <limits>

namespace {
struct Description {
    int number;
    std::array<const char*, 4> text; // German, English, Swedish, Italian
};

// Only the errors this program can raise; the wording follows each language's runtime.
constexpr Description descriptions[] = {
    {Err::Overflow, {"Überlauf", "Overflow", "Spill", "Overflow"}},
    {Err::SubscriptOutOfRange,
     {"Index außerhalb des gültigen Bereichs", "Subscript out of range", "Index utanför intervallet",
      "Indice non compreso nell'intervallo"}},
    {Err::FileNotFound, {"Datei nicht gefunden", "File not found", "Filen hittades inte", "File non trovato"}},
    {Err::BadFileMode, {"Dateimodus falsch", "Bad file mode", "Fel filläge", "Modalità file non valida"}},
    {Err::DeviceIoError, {"Fehler beim Geräte-E/A", "Device I/O error", "I/O-fel på enhet",
                          "Errore di I/O della periferica"}},
    {Err::DiskFull, {"Datenträger voll", "Disk full", "Disken är full", "Disco pieno"}},
    {Err::InputPastEndOfFile,
     {"Einlesen hinter Dateiende", "Input past end of file", "Indata efter filslut",
      "Input oltre la fine del file"}},
    {Err::PermissionDenied, {"Zugriff verweigert", "Permission denied", "Åtkomst nekad", "Autorizzazione negata"}},
    {Err::PathFileAccessError,
     {"Fehler beim Zugriff auf Pfad/Datei", "Path/File access error", "Fel vid åtkomst till sökväg/fil",
      "Errore di accesso al percorso/file"}},
    {Err::PathNotFound, {"Pfad nicht gefunden", "Path not found", "Sökvägen hittades inte", "Impossibile trovare il percorso"}},
    {Err::ResourceNotFound,
     {"Ressource mit diesem Bezeichner nicht gefunden", "Resource with identifier not found",
      "Resurs med identifieraren hittades inte", "Risorsa con identificatore non trovata"}},
    {Err::InvalidPropertyValue,
     {"Unzulässiger Eigenschaftswert", "Invalid property value", "Ogiltigt egenskapsvärde",
      "Valore di proprietà non valido"}},
};
} // namespace

QString errorDescription(int number, qint16 sprachOffset)
{
    const int language = (sprachOffset >= 0 && sprachOffset <= 3000) ? sprachOffset / 1000 : 0;
    for (const auto& d : descriptions)
        if (d.number == number)
            return QString::fromUtf8(d.text[language]);
    return QStringLiteral("Application-defined or object-defined error");
}

RuntimeError::RuntimeError(int number, QString detail) : m_number(number), m_detail(std::move(detail)) {}

QString RuntimeError::description() const
{
    const QString base = errorDescription(m_number, g().SprachOffset);
    return m_detail.isEmpty() ? base : base + QStringLiteral(" (") + m_detail + QLatin1Char(')');
}

const char* RuntimeError::what() const noexcept
{
    m_what = description().toUtf8();
    return m_what.constData();
}

qint16 toInt16(long long value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(Err::Overflow);
    return static_cast<qint16>(value);
}
