// A program that does nothing; the build gives each copy its own version record, so the version
// reader can be tested on real executable files.
int main()
{
    return 0;
}
