// Read by the leak checker of sanitizer builds. The HTTP client's shared thread pool is stopped at
// exit without running the work still queued on it (the closing of a connection that just timed
// out, say), so that work's objects are reported as leaked although nothing leaks while the
// program runs. Only allocations made inside the client library are excused.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libcpprest.so\n";
}
