// The executable: the program's life, with the main window as its default view.
#include "editor/Main.h"

#include "app/startup.h"

int main(int argc, char** argv) {
    return startup::ProgramMain(argc, argv, [] { Main::Instance(); });
}
