#include "clock/InternetTimeSource.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Before the test server or the client first touches TLS.
    PrepareInternetTimeSource();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
