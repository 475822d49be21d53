/* The peer of a single `solvaris positions --jd JD` call: a small C program
   that asks Swiss Ephemeris's analytic mode for the same bodies at one
   instant and prints them as CSV, so that the two whole processes can be
   timed side by side. */
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: swe_positions JD\n");
        return 2;
    }
    const double jd = atof(argv[1]);
    static const int bodies[] = {SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,  SE_MARS,
                                 SE_JUPITER, SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO,
                                 SE_MEAN_NODE};
    char problem[AS_MAXCH];
    printf("jd_ut,body,longitude,latitude,speed\n");
    for (size_t i = 0; i < sizeof bodies / sizeof bodies[0]; ++i) {
        double x[6];
        if (swe_calc_ut(jd, bodies[i], SEFLG_MOSEPH | SEFLG_SPEED, x, problem) < 0) {
            fprintf(stderr, "%s\n", problem);
            return 1;
        }
        printf("%.7f,%d,%.7f,%.7f,%.7f\n", jd, bodies[i], x[0], x[1], x[3]);
    }
    swe_close();
    return 0;
}
