#include "worksheets/draws.h"
#include "core/random.h"

int Draws::number(int k, int low, int high) {
    for (;;) {
        if (left_-- <= 0) throw DrawLimitReached();
        const int n = random_.below(k);
        if (n >= low && n <= high) return n;
    }
}
