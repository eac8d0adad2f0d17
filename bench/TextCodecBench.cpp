#include "platform/TextCodec.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray sampleIni(bool windows1252)
{
    QByteArray text;
    for (int i = 0; i < 20000; ++i)
        text += "[Section" + QByteArray::number(i) + "]\r\nFlags=$0000A001,bf;Read and write\r\n";
    if (windows1252)
        text += "Stra\xDF" "e\r\n";
    return text;
}

void BM_DecodeUtf8(benchmark::State &state)
{
    const QByteArray bytes = sampleIni(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeText(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeUtf8);

void BM_DecodeWindows1252(benchmark::State &state)
{
    const QByteArray bytes = sampleIni(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeText(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeWindows1252);

} // namespace

BENCHMARK_MAIN();
