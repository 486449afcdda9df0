// Entry of every test program: GoogleTest's own main, compiled here because
// the prebuilt one would be started before Wine has set up the process.
#include "tests/support/zt_gtest.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
