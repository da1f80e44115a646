// The address sanitizer keeps freed memory aside, up to 256 MB, to catch late uses of it; that
// would count as memory a load holds. Here a small reserve keeps the memory bounds meaningful.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"), used)) const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
#endif
