// The program entry: the directory of the executable is the program directory.

#include "app/lexavo_application.h"

int main(int argc, char** argv) { return lexavo::runLexavo(argc, argv); }
