#pragma once
// The command line's own options, --help and --version: answered on standard output before any
// window is made, so they need no display. Every other argument keeps its meaning (the picture
// to open, wildcards included) and is left to start-up.
#include <optional>

// The exit status when the command line asked for help or the version (printed); nothing when
// the editor is to start.
std::optional<int> AnswerHelpOrVersion(int argc, char **argv);
