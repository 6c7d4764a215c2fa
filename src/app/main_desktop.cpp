// varnoke: the desktop program.
#include "app/desktop/DesktopMain.h"

int main(int argc, char** argv) {
  return varnoke::DesktopMain(argc, argv);
}
