// Linked into every test program of the sanitizer build: the leaks it reports that are not this
// project's, each with where it is made and why it is not ours, and the sanitizers' settings.
// Set here rather than in the test environment, so a test program run by hand behaves the same.

extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return
        // libp11-kit, loaded with PROJ's network stack (libcurl-gnutls, GnuTLS), makes a locale
        // with newlocale() in its load-time initializer and never frees it; with LOCPATH set, as
        // the test environment sets it, glibc allocates it in __argz_add_sep, where the fast
        // unwinder stops.
        "leak:__argz_add_sep\n";
}

// Undefined behaviour stops the test with the stack that led to it.
extern "C" __attribute__((visibility("default"), used)) const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
