// Leaks that are not ours. libp11-kit, loaded with the engine's network stack, creates a locale
// while the program loads and never frees it when LOCPATH is set, as the test environment does.
// The fast unwinder stops inside the C library, so the leak is known by the function that made
// the allocation.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\n";
}
