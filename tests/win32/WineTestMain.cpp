// The Windows test programs' main: COM in a single-threaded apartment for the whole run, as the
// front ends set it up for the report's document.
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char** argv)
{
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    const int nResult = RUN_ALL_TESTS();
    if (SUCCEEDED(hr))
    {
        CoUninitialize();
    }
    return nResult;
}
