// Entry of every benchmark program.
#include "bench/support/zt_benchmark.h"
#include "tests/support/application_start.h"

int main(int argc, char** argv)
{
    StartLikeTheApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
