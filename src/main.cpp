#include <cstdio>

int main()
{
    std::puts("Daubrix 1.01");
    return 0;
}
