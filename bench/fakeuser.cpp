// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT

// Preloaded into the program by the benchmark so that the About window can be
// timed with a user's full name in any script without a real account for it:
// the GECOS field of the caller's passwd entry becomes GLYPHORY_BENCH_USER.
#include <cstdlib>
#include <dlfcn.h>
#include <pwd.h>

extern "C" passwd *getpwuid(uid_t uid)
{
    using Real = passwd *(*)(uid_t);
    static const Real real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "getpwuid"));
    passwd *entry = real ? real(uid) : nullptr;
    const char *name = std::getenv("GLYPHORY_BENCH_USER");
    if (!entry || !name)
        return entry;
    static passwd copy;
    copy = *entry;
    copy.pw_gecos = const_cast<char *>(name);
    return &copy;
}
