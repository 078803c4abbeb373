#include "qt/Application.h"

int main(int argc, char** argv) { return gx::RunProgram(argc, argv); }
