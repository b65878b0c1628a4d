#pragma once

#include <QString>

#include <locale>

// Spoken Indonesian numbers, units and operators as written forms: amounts
// of "juta rupiah" become "Rp5.000.000", unit and operator words their
// symbols ("10 kilometer / 2" → "10 km : 2"). The digit groups follow the
// given locale's punctuation when it has grouping, Indonesian ("." every
// three digits) otherwise, so the process-wide locale is never needed.
namespace IndonesianText {

QString rewrite(const QString &text, const std::locale &numbers = std::locale::classic());

// "Rp" and the amount with its digit groups.
QString rupiah(qint64 amount, const std::locale &numbers = std::locale::classic());

}  // namespace IndonesianText
