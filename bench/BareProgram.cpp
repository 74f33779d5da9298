// The peer of rigvet-cli --help: a C++ program that prints a few lines through the standard
// streams and does nothing else, built and linked like rigvet-cli.
#include <iostream>

int main()
{
    std::cout << "Usage: bare\nPrints this text.\n";
    return 0;
}
