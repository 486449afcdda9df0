// Runs the application's start-up once before the first test of a program.
#include "tests/support/zt_gtest.h"
#include "tests/support/application_start.h"

namespace {

class ApplicationStart : public testing::Environment
{
public:
    void SetUp() override { StartLikeTheApplication(); }
    void TearDown() override { EndLikeTheApplication(); }
};

// Registered before main runs; the start itself waits for SetUp, when Wine
// has bound the program's imports.
testing::Environment* const applicationStart = testing::AddGlobalTestEnvironment(new ApplicationStart);

} // namespace
