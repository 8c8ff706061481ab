#pragma once
// What every fuzz target shares: a program folder of its own in a temporary
// folder (settings and language files land there, messages are looked up
// there), and an abort that libFuzzer reports as a finding.

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

inline const QTemporaryDir& fuzzFolder() {
    static const QTemporaryDir folder;
    return folder;
}

[[noreturn]] inline void finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}
