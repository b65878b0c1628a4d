#pragma once

// talkvane-diag bench-decode: times Talkvane's mSBC decoding against libsbc's
// on the same frames for about `seconds` each and prints both rates.
int runBenchDecode(double seconds);
