// varnoke-cli: the console front end.
#include "app/ConsoleMain.h"

int main(int argc, char** argv) {
  return varnoke::ConsoleMain(argc, argv);
}
