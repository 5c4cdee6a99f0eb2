/* A C source of a program linking vyn::framework, compiled by the web build: the framework's
   compile options reach it, and must not be C++'s alone. */
#include <math.h>

double VynCSourceHypotenuse(double a, double b) {
    return sqrt(a * a + b * b);
}
