// Speed of the number texts and the field reading, which every result and every
// field rewrite goes through.
#include "field_number.h"
#include "fun_Dbl_Format.h"
#include "sub_Gyaku.h"

#include <benchmark/benchmark.h>

static void BM_fun_Dbl_Format(benchmark::State& state)
{
    double x = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fun_Dbl_Format(x, 15, 3));
        x += 0.001;
    }
}
BENCHMARK(BM_fun_Dbl_Format);

static void BM_readFieldNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readFieldNumber("  -12 345.678 9E-2"));
}
BENCHMARK(BM_readFieldNumber);

static void BM_sub_Gyaku(benchmark::State& state)
{
    double T = 0, S = 0, dx = -3.0;
    for (auto _ : state) {
        sub_Gyaku(dx, 4.0, T, S);
        benchmark::DoNotOptimize(T);
        dx += 1e-6;
    }
}
BENCHMARK(BM_sub_Gyaku);
