#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

// A command run through the shell: its exit status and standard output.
struct Beh {
    int status = -1;
    std::string vystup;
};

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
