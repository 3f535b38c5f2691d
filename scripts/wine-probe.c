/* A tiny Windows program: when it prints its line, programs of its architecture start here. */
#include <stdio.h>

int main(void) {
    printf("lumbrel-probe %d\n", (int)(sizeof(void*) * 8));
    return 0;
}
