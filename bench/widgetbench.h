#ifndef WIDGETBENCH_H
#define WIDGETBENCH_H

// The main() of a widget benchmark: registers the named cases once a
// QApplication exists (widgets need one) and runs them with the usual table.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstddef>

template <class Case, std::size_t N, class Function>
int runWidgetBenchmarks(int argc, char** argv, const Case (&cases)[N], Function function)
{
    QApplication app(argc, argv);
    for (const Case& c : cases)
        benchmark::RegisterBenchmark(c.name, function, c)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#endif
