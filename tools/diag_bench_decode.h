#pragma once

#include <QStringList>

// talkvane-diag bench-decode [--seconds S]: times Talkvane's mSBC decoding
// against libsbc's on the same frames and prints both rates.
int runBenchDecode(const QStringList &args);
