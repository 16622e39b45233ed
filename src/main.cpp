#include "startup.h"

int main(int argc, char** argv) { return morvane::runMorvane(argc, argv); }
