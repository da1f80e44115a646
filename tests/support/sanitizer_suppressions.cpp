// Leaks the sanitizer build reports that are not this project's, linked into every test program
// of that build. Each line names where the leak is made and why it is not ours.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return
        // libp11-kit, loaded with PROJ's network stack (libcurl-gnutls, GnuTLS), makes a locale
        // with newlocale() in its load-time initializer and never frees it; with LOCPATH set, as
        // the test environment sets it, glibc allocates it in __argz_add_sep, where the fast
        // unwinder stops.
        "leak:__argz_add_sep\n";
}
