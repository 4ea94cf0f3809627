// Entry point of qrt2exp2 (start-up is being built).
#include <cstdio>

int main() {
    std::puts("qrt2exp2: start-up not built yet");
    return 1;
}
