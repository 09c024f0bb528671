#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <initializer_list>
#include <string>

#include "io/Kodovani.h"

// A command run through the shell: its exit status and standard output.
struct Beh {
    int status = -1;
    std::string vystup;
};

#ifndef _WIN32
inline Beh SpustPrikaz(const std::string& prikaz) {
    Beh b;
    FILE* p = popen(prikaz.c_str(), "r");
    if (!p) return b;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        b.vystup.append(buf, n);
    const int s = pclose(p);
    b.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return b;
}
#endif

// Lines joined with CR LF, converted to Windows-1250: a data file as the program writes it.
inline std::string Soubor(std::initializer_list<std::string> radky) {
    std::string s;
    for (const auto& r : radky)
        s += r + "\r\n";
    return *drun::Utf8DoCp1250(s);
}
