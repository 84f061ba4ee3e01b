// Quorvant starts by creating its main window; the windows themselves do the rest.
#include <ui/application.hpp>

int main(int argc, char* argv[]) { return ui::run(argc, argv); }
