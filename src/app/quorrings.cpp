// The program: the full-screen ring animation.

#include "ui/quorrings_application.h"
#include "ui/quorrings_program.h"

int main(int argc, char** argv) {
    quor::quorrings_application application(argc, argv);
    quor::quorrings_program program(application, quor::file_locations::for_this_program());
    return program.run();
}
