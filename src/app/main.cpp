#include "app/startup.h"

int main(int argc, char** argv) { return ringlark::run(argc, argv); }
