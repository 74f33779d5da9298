#include "QtTests.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int nFailures = 0;
    nFailures += RunWindowLookTests(argc, argv);
    nFailures += RunWindowBoxTests(argc, argv);
    nFailures += RunWindowLayoutTests(argc, argv);
    nFailures += RunMessageBoxMappingTests(argc, argv);
    return nFailures == 0 ? 0 : 1;
}
