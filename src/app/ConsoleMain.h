#pragma once
// varnoke-cli's start: the arguments, --help and --version, and the Linux services
// (file system, clock, settings store, locale) handed to the console front end.

namespace varnoke {

int ConsoleMain(int argc, char** argv);

}  // namespace varnoke
