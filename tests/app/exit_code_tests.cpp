// A test program that opened documents must still report a failed test
// through its exit code: the test below fails on request (ZT_FORCE_FAIL),
// and the CTest entry app_tests_report_failures expects the program to
// fail after document windows were made and closed.
#include "tests/support/zt_gtest.h"
#include <stdlib.h>

TEST(ExitCode, FailsWhenAsked)
{
    if (getenv("ZT_FORCE_FAIL"))
        FAIL() << "failing on request";
}
