// zelhost: the host program. Its commands grow with the host; for now it only names itself.
#include <cstdio>

int main()
{
    std::puts("zelhost: the host program of ZELTradeQuery");
    return 0;
}
