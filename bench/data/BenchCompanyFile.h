#pragma once

// The benchmarks' company file: ROWS entries (half income, half expense)
// over ten years from 1 January 2016, in the standard categories and a few
// dozen more, with random descriptions and amounts. The same seed gives the
// same file every time.
#include <QString>

// Makes a new company file at path and fills it directly in SQLite, in one
// transaction: the filling is not what is measured. False (after saying why
// on stderr) when it cannot.
bool buildBenchCompanyFile(const QString& path, long rows);
