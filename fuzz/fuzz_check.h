#pragma once
// The property check of the fuzz targets: a broken property aborts with the
// condition and the values behind it, so that libFuzzer keeps the input.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzz::fail(#condition, __FILE__, __LINE__, __VA_ARGS__);                               \
    } while (false)

namespace fuzz {

[[noreturn]] __attribute__((format(printf, 4, 5))) inline void fail(
    const char* condition, const char* file, int line, const char* format, ...)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n  ", file, line, condition);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace fuzz
