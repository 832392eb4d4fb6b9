#pragma once

// Reading the module's information codes in the console's standard pattern: busy cursor, one
// GetFiscalInfo call, the result report or the exception report.

#include "framework/Operations.h"

#include <QByteArray>
#include <functional>
#include <vector>

class QLineEdit;

namespace pages {

// Reads information code `code` into at most n fields; returns SplitFields' count, 0 on failure.
int QueryInfoFields(framework::FormBase& form, int code, int n, QByteArray* fields);
// Field 1 of information code `code`, untrimmed; the box (if any) shows it trimmed on the right,
// and is emptied when the query failed.
QByteArray QueryInfoText(framework::FormBase& form, int code, QLineEdit* box);

// Reads one information code in the standard pattern under `name`: on result 0 the answer is
// split into `fieldCount` fields (missing ones empty) and handed to `show` with SplitFields' count.
using ShowFields = std::function<void(const std::vector<QByteArray>& fields, int count)>;
bool RunQuery(framework::FormBase& form, const QString& name, int code, int fieldCount,
              const ShowFields& show);

} // namespace pages
