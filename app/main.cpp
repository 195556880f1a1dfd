#include "app/CTutorApp.h"

namespace {
CTutorApp theApp;
}

int main(int argc, char** argv) { return theApp.Run(argc, argv); }
